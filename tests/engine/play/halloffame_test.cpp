// The hall of fame: its order, and its results kept from one run of the program to the next
// beside the gold bars. Each run is a HallRun over the same settings file.

#include "play/hallmodel.h"
#include "play/halloffame.h"
#include "play/session.h"
#include "shipped/news.h"
#include "state/install.h"
#include "support/fakes.h"
#include "support/files.h"

#include <QSortFilterProxyModel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

using namespace quotara;

namespace {

FameEntry result(const char* name, std::int64_t profit, int days, QDate won = {2025, 1, 1}) {
    return {name, {}, 15000 + profit, profit, won, days};
}

struct HallRun : NoSessionViews {
    HallRun(const QString& folder, const QString& settingsFile, bool disclaimer = false)
        : game(clock, messages, DataFolder(folder)) {
        game.settings = Settings(settingsFile);
        game.settings.load();
        EXPECT_TRUE(session.startUp(disclaimer));
    }
    void showLevelEnd(const LevelVerdict& v) override { verdicts.push_back(v); }
    // Level 3 (three months) won with `worth`: started, then its last End Day.
    void winLevel3(std::int32_t worth) {
        GameState& s = game.state;
        session.choose([&](GameState& st) {
            cheat(session.newGame(), st, "Petra Lund");
            levelload(session.newGame(), st, messages, 2);
        });
        ASSERT_EQ(session.start({"Petra", {}, {}}), StartOutcome::Started);
        std::tie(s.day, s.month, s.daycount) = std::tuple(31, 3, 90);
        s.money = worth;
        NoDayViews none;
        session.endDay(none);
        ASSERT_EQ(session.phase(), Phase::LevelEnded);
    }
    const std::vector<FameEntry>& level3() const { return session.hallOfFame().list(2); }

    test::FakeClock clock;
    test::RecordingMessages messages;
    Game game;
    Session session{game, *this};
    std::vector<LevelVerdict> verdicts;
};

struct HallOfFameRuns : ::testing::Test {
    HallOfFameRuns() { installDataFolder(DataFolder(folder()), shippedNewsFile()); }
    QString folder() const { return dir.filePath("quotara"); }
    QString settings() const { return dir.filePath("quotara.conf"); }
    QTemporaryDir dir;
};

} // namespace

// Profit first; at the same profit fewer days, then the earlier win; an equal result does
// not take a place from the one already there, and the eleventh best is not kept.
TEST(HallOfFameOrder, bestFirstAndTenKept) {
    HallOfFame hall;
    for (int i = 0; i < 8; ++i)
        hall.add(0, result("filler", 100 + i, 30));
    EXPECT_EQ(hall.add(0, result("slow", 5000, 60)), 0);
    EXPECT_EQ(hall.add(0, result("fast", 5000, 40)), 0);
    EXPECT_EQ(hall.add(0, result("again", 5000, 40, {2025, 6, 1})), 1) << "a record equalled";
    EXPECT_EQ(hall.add(0, result("early", 5000, 40, {2024, 6, 1})), 0);
    EXPECT_EQ(hall.add(0, result("last", 50, 10)), -1);
    QStringList names;
    for (const FameEntry& e : hall.list(0))
        names << e.name + QString::number(e.profit);
    EXPECT_EQ(names,
              QStringList({"early5000", "fast5000", "again5000", "slow5000", "filler107",
                           "filler106", "filler105", "filler104", "filler103", "filler102"}));
    EXPECT_TRUE(hall.list(1).empty()) << "each level its own list";
}

// Amounts sort as numbers, not as their texts ("£9000" after "£10000").
TEST(HallOfFameOrder, aColumnSortsByItsValue) {
    HallModel model;
    model.setList({result("a", 10000, 5), result("b", 9000, 5), result("c", -200, 5)}, false);
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(HallModel::kSortRole);
    sorted.sort(HallModel::Profit, Qt::AscendingOrder);
    QStringList profits;
    for (int row = 0; row < 3; ++row)
        profits << sorted.index(row, HallModel::Profit).data().toString();
    EXPECT_EQ(profits, QStringList({"-£200", "£9000", "£10000"}));
}

TEST_F(HallOfFameRuns, aWonLevelIsThereAfterARestartAndForgetGoldBarsLeavesIt) {
    {
        HallRun run(folder(), settings());
        run.winLevel3(19000);
        ASSERT_EQ(run.verdicts.size(), 1u);
        EXPECT_EQ(run.verdicts[0].best, "A new best for Level 3!");
        ASSERT_TRUE(run.session.continueAfterLevel());
        run.winLevel3(18500);
        EXPECT_EQ(run.verdicts.back().best, "") << "second best";
        ASSERT_TRUE(run.session.forgetGoldBars());
    }
    HallRun next(folder(), settings());
    EXPECT_EQ(next.game.state.goldbarcount, 0);
    ASSERT_EQ(next.level3().size(), 2u);
    const FameEntry& best = next.level3()[0];
    EXPECT_EQ(std::tuple(best.name, best.worth, best.profit, best.won, best.days),
              std::tuple(QString("Petra"), 19000, 4000, QDate(2025, 3, 14), 90));
    EXPECT_EQ(next.level3()[1].profit, 3500);
}

// A two-player game won goes to its own list, with the player beaten; a draw wins nothing.
TEST_F(HallOfFameRuns, aTwoPlayerWinIsKeptWithTheLoser) {
    HallRun run(folder(), settings());
    GameState& s = run.game.state;
    run.session.choose([&](GameState& st) {
        multiplayer(run.session.newGame(), st);
        playuntil(run.session.newGame(), st, 0);
    });
    ASSERT_EQ(run.session.start({"Cy", "Ann", "Bob"}), StartOutcome::Started);
    std::tie(s.day, s.month, s.daycount) = std::tuple(31, 1, 31);
    NoDayViews none;
    run.session.endDay(none); // Ann's turn: no change of worth
    s.money = 15700;
    run.session.endDay(none);
    ASSERT_EQ(run.session.phase(), Phase::LevelEnded);
    ASSERT_EQ(run.session.hallOfFame().list(kTwoPlayerFame).size(), 1u);
    const FameEntry& win = run.session.hallOfFame().list(kTwoPlayerFame)[0];
    EXPECT_EQ(std::tuple(win.name, win.opponent, win.profit, win.days),
              std::tuple(QString("Bob"), QString("Ann"), 700, 31));
    EXPECT_EQ(run.verdicts.back().best, "A new best for two players!");
}

TEST_F(HallOfFameRuns, clearIsRefusedOnNoItsDefault) {
    {
        HallRun run(folder(), settings());
        run.winLevel3(19000);
        run.messages.answers = {false};
        EXPECT_FALSE(run.session.clearHallOfFame());
        EXPECT_EQ(run.messages.log.back().kind, Messages::Kind::Caution) << "No by default";
        EXPECT_EQ(run.level3().size(), 1u);
        const int bars = run.game.state.goldbarcount;
        run.messages.answers = {true};
        EXPECT_TRUE(run.session.clearHallOfFame());
        EXPECT_TRUE(run.session.hallOfFame().empty());
        EXPECT_EQ(run.game.state.goldbarcount, bars) << "the gold bars stay";
    }
    HallRun next(folder(), settings());
    EXPECT_TRUE(next.session.hallOfFame().empty());
}

// A result damaged in the file is told once, after the disclaimer, and set aside as it was;
// the rest still reads.
TEST_F(HallOfFameRuns, aDamagedResultIsToldAndKept) {
    test::writeFile(dir, "quotara.conf",
                    "[HallOfFame]\nlevel3=3000,18000,90,2025-01-02,Ann,;3x00,18000,90,,Bo%20b,\n");
    {
        HallRun run(folder(), settings(), true);
        ASSERT_EQ(run.messages.log.size(), 2u);
        EXPECT_TRUE(run.messages.log[0].asked) << "the disclaimer first";
        EXPECT_TRUE(run.messages.texts()[1].startsWith(
            "A result of the hall of fame could not be read and is left out."));
        ASSERT_EQ(run.level3().size(), 1u);
        EXPECT_EQ(run.level3()[0].name, "Ann");
    }
    HallRun next(folder(), settings());
    EXPECT_TRUE(next.messages.log.empty()) << "told once";
    EXPECT_EQ(next.game.settings.value(kUnreadKey), "level3:3x00,18000,90,,Bo%20b,");
}
