// Every player action in every phase of the game: what the Session allows, and that a refused
// action changes nothing and writes nothing.

#include "play/session.h"
#include "shipped/news.h"
#include "state/install.h"
#include "support/sessionviews.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quotara;

namespace {

enum Action { Start, Continue, Load, Save, EndDay, Trade, Editor, Players, kActions };
const char* const kActionNames[] = {"Start",  "Continue", "Load",   "Save",
                                    "EndDay", "Trade",    "Editor", "Players"};

// One game brought into a phase by the sequences a player would run.
struct Cell {
    explicit Cell(const QTemporaryDir& dir) : folder(dir.path() + "/quotara") {
        installDataFolder(folder, shippedNewsFile());
    }
    QStringList steps;
    test::FakeClock clock;
    test::StepMessages messages{steps};
    DataFolder folder;
    Game game{clock, messages, folder};
    GameState& s = game.state;
    test::RecordingSessionViews views{steps, s};
    Session session{game, views};
    NoDayViews none;

    void reach(Phase phase) {
        session.startUp();
        if (phase == Phase::NoGame) return;
        if (phase == Phase::Ending) {
            session.askToQuit();
            return;
        }
        session.start({"Ann", {}, {}});
        if (phase == Phase::Editing) session.toggleEditor();
        if (phase == Phase::LevelEnded || phase == Phase::Continued) {
            s.endday = 2, s.endmonth = 1;
            session.endDay(none);
        }
        if (phase == Phase::Continued) session.continueAfterLevel();
    }

    // True when the action took place.
    bool run(Action a) {
        const Phase before = session.phase();
        switch (a) {
        case Start:
            return session.start({"Bo", {}, {}}) == StartOutcome::Started;
        case Continue:
            return session.continueAfterLevel() && session.phase() != before;
        case Load:
            return session.loadGame();
        case Save:
            return session.saveGame();
        case EndDay:
            return session.endDay(none) != DayResult::Refused;
        case Trade:
            return session.trade(kBuyCaption, 0, QStringLiteral("1")).converted;
        case Editor:
            session.toggleEditor();
            return session.phase() != before;
        case Players:
            return session.playersAllowed();
        default:
            return false;
        }
    }
};

} // namespace

TEST(Phases, eachActionIsAllowedOnlyInItsPhases) {
    const Phase phases[] = {Phase::NoGame,     Phase::Playing,   Phase::Editing,
                            Phase::LevelEnded, Phase::Continued, Phase::Ending};
    // Start Continue Load Save EndDay Trade Editor Players
    const char* const allowed[] = {
        "Y.Y.....", // no game
        "Y.YYYYYY", // playing
        "Y.Y...YY", // editing
        "YYY.....", // level ended
        "Y.Y.....", // after Continue, the new-game window alone
        "........", // ending
    };
    QTemporaryDir saved;
    {
        // A saved game for Load to find.
        Cell maker(saved);
        maker.reach(Phase::Playing);
        ASSERT_TRUE(maker.session.saveGame());
    }
    for (int p = 0; p < 6; ++p) {
        for (int a = 0; a < kActions; ++a) {
            SCOPED_TRACE(std::string(kActionNames[a]) + " in phase " + std::to_string(p));
            QTemporaryDir dir;
            Cell cell(a == Load ? saved : dir);
            cell.reach(phases[p]);
            ASSERT_EQ(cell.session.phase(), phases[p]);
            const QString owned = QString::number(cell.s.shares[0].owned);
            const auto day = cell.s.daycount;
            const bool done = cell.run(Action(a));
            EXPECT_EQ(done, allowed[p][a] == 'Y');
            if (done || a == Load) continue;
            EXPECT_EQ(QString::number(cell.s.shares[0].owned), owned);
            EXPECT_EQ(cell.s.daycount, day);
            EXPECT_FALSE(QFile::exists(cell.folder.savedStateFile()));
        }
    }
}

// A refusal a player can reach says why.
TEST(Phases, aSaveWithNoGameSaysSoAndWritesNothing) {
    QTemporaryDir dir;
    Cell cell(dir);
    cell.reach(Phase::NoGame);
    cell.steps.clear();
    EXPECT_FALSE(cell.session.saveGame());
    EXPECT_EQ(cell.steps, QStringList{"show You must start a new game first!"});
    EXPECT_TRUE(QDir(cell.folder.path()).entryList({"savegame.*"}).isEmpty());
}
