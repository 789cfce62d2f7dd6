// Robot players: their decisions on a hand-made market, and whole games played by them.

#include "play/levels.h"
#include "robots/robotgame.h"
#include "support/fakes.h"
#include "support/market.h"
#include "trading/spread.h"

#include <tuple>

#include <gtest/gtest.h>

using namespace quotara;

namespace {

// A market at the built-in prices on the first day, with no news and nothing held.
struct Desk : ::testing::Test {
    test::FakeClock clock;
    RobotMessages messages;
    Game game{clock, messages, DataFolder(QStringLiteral("unused"))};
    GameState& s = game.state;
    Broker broker{game, messages};

    void SetUp() override {
        test::fillBuiltinShares(s);
        s.daycount = 1;
        s.money = 20000;
    }
    std::int32_t owned(int i) const { return s.shares[i].owned; }
    void rose(int i, int change) { s.shares[i].change = change; }
    // News item n in slot 1 or 2, with these effects on sectors.
    void headline(HeadlineSlot& slot, int n, std::initializer_list<std::pair<int, int>> effects) {
        s.newsitems[n].text.assign(QStringLiteral("Item %1").arg(n));
        for (auto [sector, effect] : effects)
            s.newsitems[n].affect[sector] = static_cast<std::int8_t>(effect);
        slot.caption = s.newsitems[n].text.toQString();
        slot.number = n;
    }
};

// Effects that vary by item and sector, and texts for every drawable item.
void fillRobotNews(GameState& s) {
    for (int n = 1; n <= kNewsCount; ++n) {
        if (n <= 68) s.newsitems[n].text.assign(QStringLiteral("Item %1").arg(n));
        for (int e = 0; e <= Tnewsitem::kSectors; ++e)
            s.newsitems[n].affect[e] = static_cast<std::int8_t>((n * 5 + e * 7) % 5 - 2);
    }
}

} // namespace

TEST_F(Desk, refusalsAreTheDialogsOwnAndNeverSilent) {
    EXPECT_FALSE(broker.buy(0, 0));
    EXPECT_EQ(broker.lastRefusal(), "It is necessary to buy a positive number of shares!");
    EXPECT_FALSE(broker.buy(0, broker.affordable(0) + 1));
    EXPECT_EQ(broker.lastRefusal(), "You can't afford that many shares!");
    EXPECT_FALSE(broker.sell(0, 1));
    EXPECT_EQ(broker.lastRefusal(), "You don't have that many shares to sell!");
    EXPECT_EQ(broker.refusals(), 3);
    EXPECT_EQ(broker.silentRefusals(), 0);
    EXPECT_EQ(broker.trades(), 0);
    EXPECT_EQ(s.money, 20000);
}

TEST_F(Desk, tradesSettleAtTheSpreadInWholePounds) {
    s.money = 1000;
    s.shares[3].price = 250; // bought at 252p, sold at 248p
    EXPECT_EQ(broker.affordable(3), 396);
    EXPECT_TRUE(broker.buy(3, 396));
    EXPECT_EQ(s.money, 2);
    broker.sellAll(3);
    EXPECT_EQ(owned(3), 0);
    EXPECT_EQ(s.money, 2 + 982); // Round(396 * 248p) = £982
    EXPECT_EQ(broker.trades(), 2);
}

TEST_F(Desk, buyingEvenlyPutsAboutTheSameIntoEachShare) {
    const int picks[] = {0, 7, 17};
    broker.buyEvenly(picks);
    for (int i : picks) {
        const int buyPrice = s.shares[i].price + spread(s.shares[i].price);
        EXPECT_NEAR(s.shares[i].cost, 20000 / 3, buyPrice / 100 + 2) << i;
    }
    EXPECT_GE(s.money, 0);
    EXPECT_LT(s.money, 20); // less than one more share of the dearest
}

TEST_F(Desk, holdBuysAllTwentyOnTheFirstDayThenHolds) {
    HoldRobot hold;
    hold.trade(broker);
    EXPECT_EQ(broker.trades(), 20);
    for (int i = 0; i < kShareCount; ++i)
        EXPECT_NEAR(s.shares[i].cost, 1000, 20) << i;
    s.daycount = 2;
    s.money = 20000;
    hold.trade(broker);
    EXPECT_EQ(broker.trades(), 20);
}

TEST_F(Desk, momentumSellsTheFallersAndBuysTheThreeBestRisers) {
    s.shares[5].owned = 100;
    s.shares[5].cost = 400;
    rose(5, -3);
    rose(3, 50);  // 650p from 600p: +8.3 %
    rose(7, 10);  // 101p from 91p: +11 %
    rose(9, 2);   // 116p from 114p: +1.8 %
    rose(17, 20); // 1586p from 1566p: +1.3 %, the fourth
    MomentumRobot().trade(broker);
    EXPECT_EQ(owned(5), 0);
    EXPECT_GT(owned(3), 0);
    EXPECT_GT(owned(7), 0);
    EXPECT_GT(owned(9), 0);
    EXPECT_EQ(owned(17), 0);
    EXPECT_EQ(broker.trades(), 4);
}

TEST_F(Desk, newsBuysTheMostFavouredSectorAndSellsWhatTheNewsWorksAgainst) {
    s.shares[2].owned = 10; // water, which the news will hurt
    headline(s.headlines1, 3, {{1, 2}, {12, -1}, {2, 1}});
    headline(s.headlines2, 9, {{1, 1}, {2, 1}});
    NewsRobot().trade(broker);
    EXPECT_EQ(owned(2), 0);
    // Banks score 3 (+1 %), electricity 2: only the banks are bought.
    for (int i = 0; i < kShareCount; ++i)
        EXPECT_EQ(owned(i) > 0, s.shares[i].sector == 1) << i;
}

TEST_F(Desk, newsWaitsWhenNothingIsFavouredEnough) {
    headline(s.headlines1, 3, {{1, 1}});
    // The unemployment headline stops counting when its days run out.
    headline(s.headlines4, 44, {{1, 2}});
    s.headline4days = 0;
    NewsRobot().trade(broker);
    EXPECT_EQ(broker.trades(), 0);
    s.headline4days = 2;
    NewsRobot().trade(broker);
    EXPECT_GT(owned(0), 0);
}

TEST_F(Desk, randomDrawsItsDecisionsFromTheGamesGenerator) {
    s.shares[4].owned = 50;
    s.shares[4].cost = 300;
    // Replays the draws: action, share, then the quantity when there is one to trade.
    int buys = 0, sales = 0;
    for (std::uint32_t seed = 0; seed < 40; ++seed) {
        game.random.setSeed(seed);
        Random replica = test::seeded(seed);
        const std::uint32_t action = replica(3);
        const int i = static_cast<int>(replica(20));
        const std::int32_t before = owned(i);
        const std::int64_t afford = broker.affordable(i);
        RandomRobot().trade(broker);
        if (action == 1 && afford / 2 > 0) {
            EXPECT_EQ(owned(i), before + 1 + replica(static_cast<std::uint32_t>(afford / 2)));
            ++buys;
        } else if (action == 2 && before > 0) {
            EXPECT_EQ(owned(i), before - 1 - replica(static_cast<std::uint32_t>(before)));
            ++sales;
        } else {
            EXPECT_EQ(owned(i), before);
        }
        EXPECT_EQ(game.random.seed(), replica.seed()) << seed;
    }
    EXPECT_GT(buys, 3);
    EXPECT_GT(sales, 0);
    EXPECT_EQ(broker.refusals(), 0);
}

// Each plan is its row of the game's table, named as the lab's table prints it.
TEST(LevelPlans, areTheRowsOfTheLevelTable) {
    const std::vector<LevelPlan> plans = levelPlans();
    ASSERT_EQ(plans.size(), std::size_t(kLevelCount));
    for (int r = 0; r < kLevelCount; ++r) {
        const LevelRow& row = levelTable()[r];
        EXPECT_TRUE(row.entry.startsWith(plans[r].name + " (")) << r;
        EXPECT_EQ(std::tuple(plans[r].money, plans[r].target, plans[r].endday, plans[r].endmonth,
                             plans[r].row),
                  std::tuple(row.money, row.target, row.endday, row.endmonth, r));
    }
}

namespace {

// Checks after every close that the robot kept to what a player can do.
class RuleWatch final : public RunObserver {
  public:
    void started(const GameState& s) override { check(s); }
    void dayEnded(const GameState& s) override {
        check(s);
        ++days;
    }
    void check(const GameState& s) {
        EXPECT_GE(s.money, 0);
        for (int i = 0; i < kShareCount; ++i) {
            EXPECT_GE(s.shares[i].owned, 0);
            if (s.shares[i].owned == 0) {
                EXPECT_EQ(s.shares[i].cost, 0);
            }
        }
    }
    int days = 0;
};

struct RobotPlay : ::testing::Test {
    std::unique_ptr<RobotGame> rg = std::make_unique<RobotGame>();
    void SetUp() override { fillRobotNews(rg->state()); }
};

} // namespace

TEST_F(RobotPlay, everyRobotKeepsToThePlayersRulesForTwoYears) {
    for (std::string_view name : kRobotNames) {
        SCOPED_TRACE(std::string(name));
        RuleWatch watch;
        const RunResult r = rg->play(freePlayPlan(730), *makeRobot(name), 1000 * 3600 * 9, &watch);
        EXPECT_EQ(r.days, 730);
        EXPECT_EQ(watch.days, 730);
        EXPECT_EQ(r.refusals, 0);
        EXPECT_EQ(r.silentRefusals, 0);
        EXPECT_FALSE(r.won); // free play has no goal
        EXPECT_EQ(r.trades > 0, name != "idle");
    }
}

TEST_F(RobotPlay, aLevelEndsWithTheGoalCheckOnItsDeadline) {
    const std::vector<LevelPlan> plans = levelPlans();
    IdleRobot idle;
    const RunResult level1 = rg->play(plans[0], idle, 5);
    EXPECT_EQ(level1.days, 31); // 1 January to 1 February
    EXPECT_EQ(level1.worth, 15000);
    EXPECT_EQ(level1.profit, 0);
    EXPECT_FALSE(level1.won); // Level 1 wants a profit of at least £1

    LevelPlan easy = plans[4]; // a week
    easy.target = 15000;
    const RunResult r = rg->play(easy, idle, 5);
    EXPECT_EQ(r.days, 7);
    EXPECT_TRUE(r.won);
    EXPECT_EQ(rg->state().goldbarcount, 1);
}

TEST_F(RobotPlay, theSameClockPlaysTheSameGame) {
    const LevelPlan plan = levelPlans()[2];
    for (std::string_view name : kRobotNames) {
        const RunResult a = rg->play(plan, *makeRobot(name), 777);
        const RunResult b = rg->play(plan, *makeRobot(name), 777);
        const RunResult c = rg->play(plan, *makeRobot(name), 778);
        EXPECT_EQ(a.worth, b.worth) << name;
        EXPECT_EQ(a.trades, b.trades) << name;
        if (name != "idle") {
            EXPECT_NE(a.worth, c.worth) << name;
        }
    }
    EXPECT_EQ(makeRobot("bogus"), nullptr);
}
