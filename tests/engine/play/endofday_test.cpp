#include "market/figures.h"
#include "market/headlines.h"
#include "market/sharecalc.h"
#include "play/endofday.h"
#include "support/marketgame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

using namespace quotara;
using Kind = Messages::Kind;

namespace {

// Round half to even, written out again so the replay below does not lean on the engine.
std::int64_t rnd(double x) {
    return static_cast<std::int64_t>(std::nearbyint(x));
}

int indexMove(Random& r, const int (&widths)[4], const int (&leans)[4]) {
    const auto k = r(20);
    const int band = k == 0 ? 0 : k <= 6 ? 1 : k <= 16 ? 2 : 3;
    return static_cast<int>(r(widths[band])) - leans[band];
}

// What the windows would see at each call.
struct SnapshotViews final : DayViews {
    explicit SnapshotViews(const GameState& s) : s(s) {}
    void refresh() override {
        calls.push_back("refresh");
        headline1AtRefresh = s.headlines1.number;
        unemployedAtRefresh = s.unemployed;
        recordedAtRefresh = s.shares[19].history[s.daycount] == s.shares[19].price;
        sector1ScoreAtRefresh = newsScore(s, 1);
    }
    void newsDrawn() override { calls.push_back("newsDrawn"); }
    void levelEnded(const LevelVerdict& v) override {
        calls.push_back("levelEnded");
        verdicts.push_back(v);
    }
    const GameState& s;
    std::vector<std::string> calls;
    std::vector<LevelVerdict> verdicts;
    int headline1AtRefresh = 0;
    std::int32_t unemployedAtRefresh = 0;
    bool recordedAtRefresh = false;
    int sector1ScoreAtRefresh = 0;
};

struct EndDay : ::testing::Test {
    test::MarketGame g{20'000'000, 1000};
    SnapshotViews views{g.s};
    void SetUp() override {
        g.startFreePlay();
        g.fillNewsTexts();
    }
    void setDate(int day, int month) {
        g.s.day = static_cast<std::uint8_t>(day);
        g.s.month = static_cast<std::uint8_t>(month);
    }
};

} // namespace

TEST_F(EndDay, aWholeDayFollowsTheGeneratorStepByStep) {
    GameState& s = g.s;
    s.newsitems[3].affect = {1, 2, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    s.newsitems[7].affect = {1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -2};
    s.newsitems[44].affect = {2, 1, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    s.headlines1.number = 3;
    s.headlines2.number = 7;
    s.headlines4.number = 44;
    s.headline4days = 2;
    setDate(14, 3);
    s.daycount = 73;
    s.shares[7].price = 140; // a low-priced share takes its second draw
    const GameState before = s;
    g.game.random.setSeed(0x5eed);

    ASSERT_EQ(endofday(g.game, views), DayResult::DayEnded);

    Random r = test::seeded(0x5eed);
    // Count-down and calendar.
    EXPECT_EQ(s.headline4days, 3); // 1 while prices moved, then set up again on the 15th
    EXPECT_EQ(s.day, 15);
    EXPECT_EQ(s.month, 3);
    EXPECT_EQ(s.daycount, 74);
    // Dow Jones, Hang Seng.
    const int dowMove = indexMove(r, {450, 55, 150, 280}, {200, 25, 70, 130});
    const int hangMove = indexMove(r, {900, 110, 300, 560}, {400, 50, 140, 260});
    EXPECT_EQ(s.dowchange, dowMove);
    EXPECT_EQ(s.dow, 8452 + dowMove);
    EXPECT_EQ(s.hangchange, hangMove);
    EXPECT_EQ(s.hangseng, 15444 + hangMove);
    const double market = (100.0 * dowMove / s.dow) * 0.5 + (100.0 * hangMove / s.hangseng) * 0.25;
    // FTSE: slot 4 counts (1 day left), FTSE effects 1 + 1 + 2 = 4.
    {
        const double factor = market + 2.0;
        const std::int64_t f = 5217;
        const std::int64_t next = rnd(factor * f * 0.01 + f) +
                                  r(static_cast<std::uint32_t>(rnd(2 * f * 0.01))) -
                                  rnd(f * 0.9 * 0.01);
        EXPECT_EQ(s.ftse, next);
        EXPECT_EQ(s.ftsechange, next - 5217);
    }
    // Each share, in order.
    for (int i = 0; i < kShareCount; ++i) {
        const Tshare& old = before.shares[i];
        const int sector = old.sector;
        const int score = s.newsitems[3].affect[sector] + s.newsitems[7].affect[sector] +
                          s.newsitems[44].affect[sector];
        const std::int64_t p = old.price;
        const double factor = market + newsEffect(score); // its table is pinned on its own
        std::int64_t next = rnd(factor * p * 0.01 + p) +
                            r(static_cast<std::uint32_t>(rnd(4 * p * 0.01))) - rnd(p * 1.8 * 0.01);
        if (next < 150) next += static_cast<std::int64_t>(r(6)) - 2;
        EXPECT_EQ(s.shares[i].price, next) << "share " << i;
        EXPECT_EQ(s.shares[i].change, next - p) << "share " << i;
        EXPECT_EQ(s.shares[i].history[74], next) << "share " << i;
        EXPECT_EQ(s.shares[i].high, std::max<std::int64_t>(old.high, next));
        EXPECT_EQ(s.shares[i].low, std::min<std::int64_t>(old.low, next));
    }
    // The views saw the recorded prices and the old news, before the unemployment step.
    EXPECT_TRUE(views.recordedAtRefresh);
    EXPECT_EQ(views.headline1AtRefresh, 3);
    EXPECT_EQ(views.unemployedAtRefresh, 1925000);
    // Unemployment on the 15th: u = 1925, v = 77.
    const int change = (static_cast<int>(r(77)) - 38) * 1000;
    EXPECT_EQ(s.unemployedchange, change);
    EXPECT_EQ(s.unemployed, 1925000 + change);
    ASSERT_EQ(g.messages.log.size(), 1u);
    EXPECT_EQ(g.messages.log[0].kind, Kind::Information);
    EXPECT_EQ(g.messages.log[0].text,
              QStringLiteral("Unemployment figures for the last month : %1%2")
                  .arg(change >= 0 ? "+" : "")
                  .arg(change));
    EXPECT_EQ(s.headlines4.number, unemploymentItem(change));
    // The draw reseeds from the clock.
    EXPECT_EQ(g.clock.reads, 1);
    r.setSeed(20'000'000);
    int first = static_cast<int>(r(58)) + 1;
    first += first > 40 ? 10 : 0;
    EXPECT_EQ(s.headlines1.number, first);
    EXPECT_EQ(views.calls, (std::vector<std::string>{"refresh", "newsDrawn"}));
    EXPECT_EQ(s.interest, 7.25);
    EXPECT_EQ(s.inflation, 2.5);
}

TEST_F(EndDay, slot4MovesPricesOnTheTwoClosesAfterThe15th) {
    g.s.newsitems[44].affect[1] = 2;
    g.s.newsitems[45].affect[1] = 2;
    g.s.newsitems[43].affect[1] = 2;
    g.s.newsitems[42].affect[1] = 2;
    for (auto& item : g.s.newsitems)
        item.used = 1; // no daily headlines: only slot 4 can score
    setDate(14, 1);
    std::vector<int> scores, days;
    std::vector<bool> captions;
    for (int close = 0; close < 5; ++close) { // to the 15th .. 19th
        endofday(g.game, views);
        scores.push_back(views.sector1ScoreAtRefresh);
        days.push_back(g.s.headline4days);
        captions.push_back(!g.s.headlines4.caption.isEmpty());
    }
    EXPECT_EQ(scores, (std::vector<int>{0, 2, 2, 0, 0}));
    EXPECT_EQ(days, (std::vector<int>{3, 2, 1, 0, -1}));
    EXPECT_EQ(captions, (std::vector<bool>{true, true, true, false, false}));
    EXPECT_TRUE(g.s.headlines4.hasNumber()); // the number stays after the caption goes
}

TEST_F(EndDay, freePlayNeverReachesTheGoalCheck) {
    for (int close = 0; close < 400; ++close)
        ASSERT_EQ(endofday(g.game, views), DayResult::DayEnded);
    EXPECT_TRUE(views.verdicts.empty());
    for (const auto& m : g.messages.log)
        EXPECT_EQ(m.kind, Kind::Information); // only the monthly unemployment boxes
    EXPECT_EQ(g.messages.log.size(), 13u);    // 15 Jan 1999 .. 15 Jan 2000
    EXPECT_EQ(g.s.year, 2000);
    EXPECT_EQ(g.s.daycount, 401 - 365);
}

TEST_F(EndDay, theDeadlineDayValuesThePositionAfterTheDraw) {
    g.s.money = g.s.startmoney = 15000;
    g.s.target = 15500;
    g.s.endday = 8;
    g.s.endmonth = 1;
    for (int close = 1; close <= 7; ++close) {
        endofday(g.game, views);
        EXPECT_EQ(views.verdicts.size(), close == 7 ? 1u : 0u);
    }
    EXPECT_EQ(views.calls.back(), "levelEnded");
    EXPECT_EQ(views.calls[views.calls.size() - 2], "newsDrawn");
    ASSERT_EQ(g.messages.log.size(), 1u);
    EXPECT_EQ(g.messages.log[0].kind, Kind::Plain);
    EXPECT_EQ(g.messages.log[0].text, "You made a profit of £0");
    EXPECT_FALSE(views.verdicts[0].won);
}

TEST_F(EndDay, twoPlayerDaysAdvanceOnlyAfterPlayer2) {
    GameState& s = g.s;
    s.twoplayer = 1;
    s.player = 1;
    s.p1name.assign(std::string_view("Ann"));
    s.p2name.assign(std::string_view("Bob"));
    g.game.random.setSeed(42);
    const std::uint16_t price = s.shares[0].price;

    EXPECT_EQ(endofday(g.game, views), DayResult::HandedOver);
    EXPECT_EQ(s.day, 1);
    EXPECT_EQ(s.shares[0].price, price);
    EXPECT_EQ(g.game.random.seed(), 42u);
    EXPECT_EQ(g.clock.reads, 0);
    EXPECT_TRUE(views.calls.empty());

    EXPECT_EQ(endofday(g.game, views), DayResult::DayEnded);
    EXPECT_EQ(s.day, 2);
    EXPECT_EQ(s.player, 1);
    EXPECT_EQ(g.messages.texts(), (QStringList{"End of Ann's turn and today's trading.",
                                               "End of Bob's turn and today's trading."}));
}

TEST_F(EndDay, historyIsNeverWrittenOutsideTheRecord) {
    g.s.daycount = 1000;
    endofday(g.game, views); // daycount 1001
    EXPECT_EQ(g.s.daycount, 1001);
    EXPECT_EQ(g.s.shares[0].history[1000], 0);
    g.s.daycount = 65535;
    endofday(g.game, views); // daycount wraps to 0
    EXPECT_EQ(g.s.shares[0].history[0], 0);
}

namespace {

struct GoalCheck : ::testing::Test {
    test::MarketGame g;
    void SetUp() override {
        g.startFreePlay();
        g.s.startmoney = 15000;
        g.s.target = 16000; // the default configuration: Level 1
        g.s.endday = 1;
        g.s.endmonth = 2;
    }
};

} // namespace

TEST_F(GoalCheck, aSmallProfitBelowTargetIsUnlucky) {
    g.s.money = 14000;
    g.s.shares[0].price = 1134;
    g.s.shares[0].owned = 100;
    const LevelVerdict v = goalcheck(g.game);
    EXPECT_EQ(v.worth, 15134);
    EXPECT_EQ(v.profit, 134);
    EXPECT_EQ(v.message, "You made a profit of £134");
    EXPECT_EQ(g.messages.texts(), QStringList{"You made a profit of £134"});
    EXPECT_EQ(g.messages.log[0].kind, Kind::Plain);
    EXPECT_FALSE(v.won);
    EXPECT_EQ(v.endtext, "Unlucky! Try again, and if you can make a profit of £1000 or more, "
                         "you'll win a gold bar");
    EXPECT_EQ(v.goldbars, "0 goldbars");
    EXPECT_EQ(g.s.goldwon, 0);
}

// Level 5 asks for £500: the text named £1000 at every level.
TEST_F(GoalCheck, unluckyNamesTheProfitTheLevelAsksFor) {
    g.s.money = 15000;
    g.s.target = 15500;
    EXPECT_EQ(goalcheck(g.game).endtext,
              "Unlucky! Try again, and if you can make a profit of £500 or more, you'll win a "
              "gold bar");
}

TEST_F(GoalCheck, eachHoldingIsRoundedToPoundsOnItsOwn) {
    g.s.money = 0;
    g.s.shares[0].price = 250; // 1 share: 2.5 -> 2
    g.s.shares[0].owned = 1;
    g.s.shares[1].price = 350; // 1 share: 3.5 -> 4
    g.s.shares[1].owned = 1;
    g.s.shares[2].price = 151; // 1 share: 1.51 -> 2
    g.s.shares[2].owned = 1;
    EXPECT_EQ(goalcheck(g.game).worth, 8);
}

TEST_F(GoalCheck, worthEqualToStartmoneyIsAProfitOfZeroAndBelowIsALoss) {
    g.s.money = 15000;
    EXPECT_EQ(goalcheck(g.game).message, "You made a profit of £0");
    g.s.money = 14500;
    const LevelVerdict v = goalcheck(g.game);
    EXPECT_EQ(v.message, "You made a loss of £-500");
    EXPECT_EQ(v.profit, -500);
}

TEST_F(GoalCheck, reachingTheTargetExactlyWinsOneBarPerRun) {
    g.s.money = 16000;
    g.s.goldbarcount = 2;
    LevelVerdict v = goalcheck(g.game);
    EXPECT_TRUE(v.won);
    EXPECT_EQ(v.endtext, "Congratulations! You win a gold bar! Play a different level to try "
                         "and get another gold bar");
    EXPECT_EQ(v.goldbars, "3 goldbars");
    EXPECT_EQ(g.s.goldbarcount, 3);
    EXPECT_EQ(g.s.goldwon, 1);

    v = goalcheck(g.game); // a second win while goldwon is 1
    EXPECT_TRUE(v.won);
    EXPECT_EQ(v.goldbars, "3 goldbars");
    EXPECT_EQ(g.s.goldbarcount, 3);
}

// "Petra Lund" gives all fifteen bars with no level won: a win adds none beyond them.
TEST_F(GoalCheck, theCountStopsAtWhatTheLevelsCanAward) {
    g.s.money = 20000;
    g.s.goldbarcount = 15;
    EXPECT_EQ(goalcheck(g.game).goldbars, "15 goldbars");
    EXPECT_EQ(g.s.levelswon, 1) << "the default configuration is Level 1";
}

TEST(FinancialInfo, textsAndTones) {
    auto s = std::make_unique<GameState>();
    s->ftse = 5217, s->ftsechange = 0;
    s->dow = 8452, s->dowchange = -40;
    s->hangseng = 15444, s->hangchange = 12;
    s->interest = 7.25, s->inflation = 2.5;
    s->unemployed = 1925000, s->unemployedchange = -5000;
    const FinancialFigures f = financialFigures(*s);
    EXPECT_EQ(std::tuple(f.ftse, f.ftsechange, f.ftseTone), std::tuple("5217", "+0", Tone::Blue));
    EXPECT_EQ(std::tuple(f.dow, f.dowchange, f.dowTone), std::tuple("8452", "-40", Tone::Red));
    EXPECT_EQ(std::tuple(f.hang, f.hangchange, f.hangTone), std::tuple("15444", "+12", Tone::Blue));
    EXPECT_EQ(std::tuple(f.interest, f.inflation), std::tuple("7.25%", "2.5%"));
    EXPECT_EQ(std::tuple(f.unemployed, f.unemployedchange), std::tuple("1925000", "-5000"));
    s->unemployedchange = 3000;
    s->interest = 10;
    s->inflation = 0;
    const FinancialFigures g = financialFigures(*s);
    EXPECT_EQ(std::tuple(g.unemployedchange, g.interest, g.inflation),
              std::tuple("+3000", "10.00%", "0.0%"));
}
