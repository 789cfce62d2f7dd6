// The two-player game: its Start, whose turn it is, and the verdict at its deadline.

#include "play/record.h"
#include "play/session.h"
#include "play/twoplayer.h"
#include "shipped/news.h"
#include "state/install.h"
#include "state/money.h"
#include "support/marketgame.h"
#include "support/sessionviews.h"
#include "trading/performance.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

using namespace quotara;

namespace {

class TwoPlayerStart : public ::testing::Test {
  protected:
    TwoPlayerStart() {
        installDataFolder(folder(), shippedNewsFile());
        session.startUp();
    }
    DataFolder folder() const { return DataFolder(tmp.path() + "/quotara"); }
    void choose(const std::function<void(NewGame&, GameState&)>& choice) {
        session.choose([&](GameState& st) { choice(session.newGame(), st); });
    }

    QTemporaryDir tmp;
    QStringList steps;
    test::FakeClock clock;
    test::StepMessages messages{steps};
    Game game{clock, messages, folder()};
    GameState& s = game.state;
    test::RecordingSessionViews views{steps, s};
    Session session{game, views};
};

} // namespace

// Chosen during a one-player game, the two players begin at Start, alike: the design's first
// hand-over gave player 2 whatever the parked slots held (nothing at the program's start).
TEST_F(TwoPlayerStart, bothPlayersBeginWithTheSameMoneyAndNoShares) {
    choose([](NewGame& ng, GameState& st) { goldbars(ng, st); });
    ASSERT_EQ(session.start({"Cy", {}, {}}), StartOutcome::Started);
    s.money = 900;
    s.shares[4].owned = 30;
    s.shares[4].p2owned = 7;
    s.shares[4].p1cost = 70;
    s.p2money = 0;
    choose([](NewGame& ng, GameState& st) {
        multiplayer(ng, st);
        playuntil(ng, st, 1);
    });
    EXPECT_EQ(std::tuple(s.twoplayer, s.money, s.endmonth), std::tuple(0, 900, 2))
        << "the game being played keeps its one player and its level until Start";

    steps.clear();
    ASSERT_EQ(session.start({"Cy", "Ann", "Bob"}), StartOutcome::Started);
    EXPECT_EQ(steps,
              QStringList({"closeNewGameChoices", "showGame Ann", "showNewMarket day 1 owned 0"}));
    EXPECT_EQ(std::tuple(s.twoplayer, s.player, s.p1name.toQString(), s.p2name.toQString()),
              std::tuple(1, 1, QString("Ann"), QString("Bob")));
    EXPECT_EQ(std::tuple(s.money, s.p1money, s.p2money), std::tuple(15000, 15000, 15000));
    for (int i = 0; i < kShareCount; ++i) {
        const Tshare& sh = s.shares[i];
        EXPECT_EQ(std::tuple(sh.owned, sh.p1owned, sh.p2owned, sh.cost, sh.p1cost, sh.p2cost),
                  std::tuple(0, 0, 0, 0, 0, 0));
    }
    EXPECT_EQ(std::tuple(s.endday, s.endmonth), std::tuple(1, 4)) << "three months";
}

TEST_F(TwoPlayerStart, aMissingNameRefusesAndTheGameGoesOn) {
    ASSERT_EQ(session.start({"Cy", {}, {}}), StartOutcome::Started);
    s.shares[0].owned = 10;
    choose([](NewGame& ng, GameState& st) { multiplayer(ng, st); });
    steps.clear();
    EXPECT_EQ(session.start({"Cy", "Ann", {}}), StartOutcome::Refused);
    EXPECT_EQ(steps,
              QStringList{"show Please input names for player 1 and 2 by pressing 'Edit names.'"});
    EXPECT_EQ(std::tuple(s.twoplayer, s.shares[0].owned), std::tuple(0, 10));
    EXPECT_TRUE(s.p1name.empty());
}

namespace {

// A two-player game one End Day of player 2 before its deadline, on 1 January.
struct Deadline : ::testing::Test {
    test::MarketGame g;
    GameState& s = g.s;
    std::vector<LevelVerdict> verdicts;
    struct Views final : DayViews {
        explicit Views(Deadline& t) : t(t) {}
        void refresh() override {}
        void newsDrawn() override {}
        void levelEnded(const LevelVerdict& v) override { t.verdicts.push_back(v); }
        void turnChanged() override { ++turns; }
        Deadline& t;
        int turns = 0;
    } views{*this};

    void SetUp() override {
        g.startFreePlay();
        s.twoplayer = 1;
        s.p1name.assign(QStringLiteral("Ann"));
        s.p2name.assign(QStringLiteral("Bob"));
        beginTwoPlayer(s);
        s.endday = 2;
        s.endmonth = 1;
    }
    // Each player's turn: cash and holdings as given, then End Day.
    void play(std::int32_t p1cash, std::int32_t p2cash, int p2shares = 0) {
        s.money = p1cash;
        ASSERT_EQ(endofday(g.game, views), DayResult::HandedOver);
        s.money = p2cash;
        s.shares[3].owned = p2shares;
        ASSERT_EQ(endofday(g.game, views), DayResult::DayEnded);
    }
};

} // namespace

TEST_F(Deadline, theRicherPlayerWinsAndNoGoldBarIsWon) {
    s.goldbarcount = 3;
    play(16000, 14000, 100);
    EXPECT_EQ(views.turns, 2) << "both hand-overs show the next player at once";
    ASSERT_EQ(verdicts.size(), 1u);
    const LevelVerdict& v = verdicts[0];
    // Player 2's 100 shares, parked since the hand-back, at the deadline's price.
    const std::int64_t bob = 14000 + s.shares[3].price;
    ASSERT_GT(16000, bob);
    EXPECT_TRUE(v.twoPlayer);
    EXPECT_EQ(v.winner, 1);
    EXPECT_EQ(std::tuple(v.players[0].name, v.players[0].worth, v.players[0].profit),
              std::tuple(QString("Ann"), 16000, 1000));
    EXPECT_EQ(std::tuple(v.players[1].name, v.players[1].worth, v.players[1].profit),
              std::tuple(QString("Bob"), bob, bob - 15000));
    EXPECT_EQ(v.endtext, QStringLiteral("Ann wins by £%1!\nAnn: worth £16000, a profit of £1000\n"
                                        "Bob: worth £%2, a loss of £%3")
                             .arg(16000 - bob)
                             .arg(bob)
                             .arg(15000 - bob));
    EXPECT_EQ(s.goldbarcount, 3);
    EXPECT_EQ(g.messages.texts(), (QStringList{"End of Ann's turn and today's trading.",
                                               "End of Bob's turn and today's trading."}))
        << "no profit box: the verdict says it all";
}

TEST_F(Deadline, equalWorthIsADraw) {
    play(15500, 15500);
    ASSERT_EQ(verdicts.size(), 1u);
    EXPECT_EQ(verdicts[0].winner, 0);
    EXPECT_FALSE(verdicts[0].won);
    EXPECT_EQ(verdicts[0].endtext, QStringLiteral("A draw! You are both worth £15500.\n"
                                                  "Ann: worth £15500, a profit of £500\n"
                                                  "Bob: worth £15500, a profit of £500"));
}

TEST_F(Deadline, withNoEndTheGameRunsAsFreePlay) {
    s.endday = s.endmonth = 0;
    for (int day = 0; day < 400; ++day)
        play(15000, 15000);
    EXPECT_TRUE(verdicts.empty());
    EXPECT_EQ(s.year, 2000);
}

// Each player's worth is kept day by day whoever's turn it is, each trade names its player,
// and the Performance summary says who leads.
TEST_F(Deadline, theRecordKeepsEachPlayerAndTheSummarySaysWhoLeads) {
    s.endday = s.endmonth = 0;
    startRecord(s); // as a two-player Start does
    EXPECT_EQ(summaryText(s, "Two players"), "Two players - Ann: profit so far £0 - Bob: profit "
                                             "so far £0 - Ann and Bob are level");
    ASSERT_TRUE(tradeOk(g.game, kBuyCaption, 2, "100").completed);
    ASSERT_EQ(endofday(g.game, views), DayResult::HandedOver);
    ASSERT_TRUE(tradeOk(g.game, kBuyCaption, 5, "300").completed);
    ASSERT_EQ(endofday(g.game, views), DayResult::DayEnded);

    const PlayRecord& r = s.record;
    ASSERT_EQ(std::tuple(r.days.size(), r.secondDays.size(), r.trades.size()),
              std::tuple(2u, 2u, 2u));
    EXPECT_EQ(std::tuple(r.trades[0].player, r.trades[1].player), std::tuple(1, 2));
    const std::int64_t ann = playerWorth(s, 1), bob = playerWorth(s, 2);
    EXPECT_EQ(std::tuple(r.days.back().worth, r.secondDays.back().worth), std::tuple(ann, bob));
    EXPECT_EQ(r.secondDays.back().cash, s.p2money) << "player 2's cash, parked at the hand-back";
    ASSERT_NE(ann, bob);
    EXPECT_EQ(
        summaryText(s, "Two players"),
        QStringLiteral("Two players - Ann: profit so far %1 - Bob: profit so far %2 - %3 "
                       "leads by £%4")
            .arg(signedPounds(ann - 15000), signedPounds(bob - 15000), ann > bob ? "Ann" : "Bob")
            .arg(std::abs(ann - bob)));
}
