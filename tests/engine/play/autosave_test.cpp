// The autosave and Resume, gold bars kept from run to run, and saves cut short: each run of
// the program is a Program over the same folder and settings file.

#include "play/savegame.h"
#include "play/session.h"
#include "shipped/news.h"
#include "state/folderlock.h"
#include "state/install.h"
#include "state/sharefile.h"
#include "support/fakes.h"
#include "support/files.h"
#include "support/sessionviews.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

using namespace quotara;
using test::contentOf;

namespace {

struct Program : test::SessionOnFolder {
    Program(const QString& folder, const QString& settingsFile) : SessionOnFolder(folder) {
        game.settings = Settings(settingsFile);
        game.settings.load(); // a settings file that cannot be read is the caller's to tell
        EXPECT_TRUE(session.startUp());
        messages.log.clear();
    }
    // A free-play game started and played for `days` days.
    void play(int days) {
        if (session.phase() != Phase::Playing) {
            session.choose([this](GameState& s) { freeplay(session.newGame(), s); });
            ASSERT_EQ(session.start({"Petra", {}, {}}), StartOutcome::Started);
        }
        for (int d = 0; d < days; ++d)
            session.endDay(none);
    }
    QByteArray shares() const {
        const auto image = shareFileImage(game.state.shares);
        return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
    }

    NoDayViews none;
};

struct Autosave : ::testing::Test {
    Autosave() { installDataFolder(DataFolder(folder()), shippedNewsFile()); }
    QString folder() const { return dir.filePath("quotara"); }
    QString file(const char* name) const { return folder() + '/' + name; }
    QString settings() const { return dir.filePath("quotara.conf"); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(Autosave, everyEndDayKeepsTheGameAndResumeBringsItBack) {
    QByteArray shares;
    int daycount = 0;
    {
        Program run(folder(), settings());
        EXPECT_FALSE(run.session.hasAutosave());
        run.play(5);
        EXPECT_TRUE(run.session.hasAutosave());
        EXPECT_FALSE(QFile::exists(file("savegame.sta"))) << "the player's save is not touched";
        shares = run.shares();
        daycount = run.game.state.daycount;
        EXPECT_TRUE(run.messages.log.empty()) << run.messages.texts().join('|').toStdString();
    }
    Program next(folder(), settings());
    ASSERT_TRUE(next.session.hasAutosave());
    ASSERT_TRUE(next.session.resumeGame());
    EXPECT_EQ(next.session.phase(), Phase::Playing);
    EXPECT_EQ(next.shares(), shares);
    EXPECT_EQ(next.game.state.daycount, daycount);
    EXPECT_EQ(next.game.state.username.toQString(), "Petra");
    EXPECT_EQ(next.messages.texts(), QStringList{"Game resumed."});
}

// What changed after the last End Day (a trade) is kept when the program ends, and only then
// with a game playing.
TEST_F(Autosave, theProgramsEndKeepsTheGameInPlay) {
    {
        Program idle(folder(), settings());
        idle.session.end();
        EXPECT_FALSE(idle.session.hasAutosave()) << "no game: nothing to keep";
    }
    {
        Program run(folder(), settings());
        run.play(2);
        run.game.state.money = 4321;
        EXPECT_TRUE(run.session.askToQuit());
    }
    Program next(folder(), settings());
    ASSERT_TRUE(next.session.resumeGame());
    EXPECT_EQ(next.game.state.money, 4321);
}

// A confirmed trade once came back undone after a crash: it was kept only at the next End Day.
TEST_F(Autosave, aConfirmedTradeIsKeptBeforeItIsConfirmed) {
    decltype(GameState::money) money{};
    {
        Program run(folder(), settings());
        run.play(2);
        ASSERT_TRUE(run.session.trade(kBuyCaption, 0, "10").completed);
        money = run.game.state.money;
        ASSERT_EQ(run.messages.log.size(), 1u);
        // The write the trade handed over, done while the player reads the confirmation; then
        // the program is stopped with no ending of its own.
        ASSERT_TRUE(run.session.finishAutosave());
    }
    Program next(folder(), settings());
    ASSERT_TRUE(next.session.resumeGame());
    EXPECT_EQ(next.game.state.money, money);
}

TEST_F(Autosave, aLevelThatEndsRemovesItAndANewGameReplacesIt) {
    Program run(folder(), settings());
    run.play(3);
    ASSERT_TRUE(run.session.hasAutosave());
    // A level whose deadline is tomorrow.
    run.game.state.endday = run.game.state.day + 1;
    run.game.state.endmonth = run.game.state.month;
    run.session.endDay(run.none);
    EXPECT_EQ(run.session.phase(), Phase::LevelEnded);
    EXPECT_FALSE(run.session.hasAutosave());
    EXPECT_EQ(QDir(folder()).entryList({"autosave*", ".autosave*"}, QDir::Files | QDir::Hidden),
              QStringList{});
    ASSERT_TRUE(run.session.continueAfterLevel());
    run.play(1);
    Program next(folder(), settings());
    ASSERT_TRUE(next.session.resumeGame());
    EXPECT_EQ(next.game.state.daycount, 2) << "the new game's first day";
}

// The balance lab plays through the same sequences with no folder: its games keep nothing,
// where the autosave's names would otherwise fall at the root of the file system.
TEST_F(Autosave, aGameWithoutAFolderKeepsNone) {
    Program run(QString(), settings());
    run.play(3);
    EXPECT_FALSE(run.session.hasAutosave());
    EXPECT_TRUE(run.messages.log.empty()) << run.messages.log.front().text.toStdString();
}

TEST_F(Autosave, anAutosaveThatCannotBeRemovedSaysWhy) {
    Program run(folder(), settings());
    run.play(3);
    // A folder in the place of a share file cannot be unlinked.
    ASSERT_TRUE(QFile::remove(file("autosave.shr")));
    ASSERT_TRUE(QDir().mkpath(file("autosave.shr") + "/inside"));
    run.game.state.endday = run.game.state.day + 1;
    run.game.state.endmonth = run.game.state.month;
    run.session.endDay(run.none);
    run.session.finishAutosave();
    EXPECT_TRUE(run.messages.texts().join('|').contains("autosave.shr: Is a directory"))
        << run.messages.texts().join('|').toStdString();
}

TEST_F(Autosave, aDamagedAutosaveIsRefusedAndLeftAsItIs) {
    {
        Program run(folder(), settings());
        run.play(2);
    }
    QFile sta(file("autosave.sta"));
    ASSERT_TRUE(sta.open(QIODevice::ReadWrite));
    sta.seek(30);
    sta.write("\x7f");
    sta.close();
    const QByteArray damaged = contentOf(file("autosave.sta"));

    Program next(folder(), settings());
    const QByteArray before = next.shares();
    EXPECT_FALSE(next.session.resumeGame());
    ASSERT_EQ(next.messages.log.size(), 1u);
    EXPECT_TRUE(next.messages.texts()[0].startsWith("The autosaved game cannot be resumed"));
    EXPECT_EQ(next.session.phase(), Phase::NoGame);
    EXPECT_EQ(next.shares(), before);
    EXPECT_EQ(contentOf(file("autosave.sta")), damaged);
}

// Its shares alone would make a mix with the game in memory: a link to nothing in place of
// autosave.sta once gave "Game resumed." at day 0 with the autosave's shares.
TEST_F(Autosave, oneWithoutARealStateFileIsRefusedAsDamagedAndLeftInPlace) {
    {
        Program run(folder(), settings());
        run.play(2);
    }
    const QByteArray ply = contentOf(file("autosave.ply"));
    const QByteArray sta = file("autosave.sta").toLocal8Bit();
    const std::function<void()> instead[] = {
        [&] { ASSERT_EQ(::symlink("nowhere", sta.constData()), 0); },
        [] {},
        [&] { ASSERT_TRUE(QDir().mkdir(file("autosave.sta"))); },
    };
    for (const auto& put : instead) {
        QFile::remove(file("autosave.sta"));
        QDir().rmdir(file("autosave.sta"));
        put();
        Program next(folder(), settings());
        ASSERT_TRUE(next.session.hasAutosave());
        EXPECT_FALSE(next.session.resumeGame());
        EXPECT_EQ(next.messages.texts(),
                  QStringList{"The autosaved game cannot be resumed: its files autosave.shr, "
                              "autosave.ply and autosave.sta are damaged or do not belong "
                              "together. Its files were left as they are; nothing was changed."});
        EXPECT_EQ(next.session.phase(), Phase::NoGame);
        EXPECT_EQ(contentOf(file("autosave.ply")), ply);
    }
    EXPECT_TRUE(QFileInfo(file("autosave.sta")).isDir());
}

TEST_F(Autosave, aFailingAutosaveIsToldOnceAndKeepsTheLastOne) {
    Program run(folder(), settings());
    run.play(1);
    const QByteArray kept = contentOf(file("autosave.ply"));
    setWriteBudgetForTests(50000);
    run.play(3);
    setWriteBudgetForTests(-1);
    ASSERT_EQ(run.messages.log.size(), 1u) << run.messages.texts().join('|').toStdString();
    EXPECT_TRUE(
        run.messages.texts()[0].startsWith("Disk full (autosave.ply: No space left on device)"));
    EXPECT_FALSE(run.messages.texts()[0].contains("saved successfully"));
    EXPECT_EQ(contentOf(file("autosave.ply")), kept);
}

// Exit on a full disk said "Use File > Save Game to keep it" and ended the program, the game
// since the last End Day lost; once told, it ended without a word.
TEST_F(Autosave, aQuitThatCannotKeepTheGameAsksFirst) {
    Program run(folder(), settings());
    run.play(1);
    run.game.state.money = 4321;
    setWriteBudgetForTests(0);
    run.messages.answers = {true, false, false};
    EXPECT_FALSE(run.session.askToQuit());
    EXPECT_FALSE(run.session.closeMain());
    setWriteBudgetForTests(-1);
    ASSERT_EQ(run.messages.log.size(), 3u) << run.messages.texts().join('|').toStdString();
    EXPECT_TRUE(run.messages.texts()[1].startsWith("Disk full (autosave."));
    EXPECT_TRUE(run.messages.texts()[1].endsWith("Quit all the same? (No goes back to the game.)"));
    EXPECT_EQ(run.messages.log[1].kind, Messages::Kind::Caution);
    EXPECT_EQ(run.messages.texts()[2], run.messages.texts()[1]);
    EXPECT_EQ(run.session.phase(), Phase::Playing);
    EXPECT_TRUE(run.session.closeMain()) << "room again: kept, and no question";
    EXPECT_EQ(run.messages.log.size(), 3u);

    Program next(folder(), settings());
    ASSERT_TRUE(next.session.resumeGame());
    next.messages.log.clear();
    next.messages.answers = {true, false};
    setWriteBudgetForTests(0);
    EXPECT_TRUE(next.session.askToQuit()) << "nothing done since the resume: nothing to lose";
    setWriteBudgetForTests(-1);
    ASSERT_EQ(next.messages.log.size(), 2u);
    EXPECT_FALSE(next.messages.log[1].asked) << "the failure is told, not asked about";
}

TEST_F(Autosave, goldBarsLastFromRunToRunUntilForgotten) {
    {
        Program run(folder(), settings());
        run.session.choose([&run](GameState& s) { cheat(run.session.newGame(), s, "Petra Lund"); });
    }
    {
        Program next(folder(), settings());
        EXPECT_EQ(next.game.state.goldbarcount, 15);
        next.messages.answers = {false, true};
        EXPECT_FALSE(next.session.forgetGoldBars());
        EXPECT_EQ(next.game.state.goldbarcount, 15);
        next.game.state.levelswon = 0b101;
        EXPECT_TRUE(next.session.forgetGoldBars());
        EXPECT_EQ(next.game.state.goldbarcount, 0);
        EXPECT_EQ(next.game.state.levelswon, 0);
        EXPECT_EQ(next.session.newGame().view.goldbarsLabel, "0 goldbars");
    }
    Program last(folder(), settings());
    EXPECT_EQ(last.game.state.goldbarcount, 0);
    EXPECT_EQ(last.game.state.levelswon, 0);
}

// Saved on 28 January of Level 1, won, Continue into Level 2, the save loaded and won again:
// the level paid once, and the next start knows which level it was.
TEST_F(Autosave, aLevelPaysItsGoldBarOnceWhateverIsLoaded) {
    const auto winLevel1 = [](Program& run) {
        for (int d = 0; d < 4 && run.session.phase() == Phase::Playing; ++d)
            run.session.endDay(run.none);
        ASSERT_EQ(run.session.phase(), Phase::LevelEnded);
    };
    {
        Program run(folder(), settings());
        NewGame& ng = run.session.newGame();
        run.session.choose([&](GameState& s) { levelload(ng, s, run.messages, 0); });
        ASSERT_EQ(run.session.start({"Ann", {}, {}}), StartOutcome::Started);
        for (int d = 1; d < 28; ++d)
            run.session.endDay(run.none);
        run.game.state.money = 20000; // worth enough to win
        ASSERT_TRUE(run.session.saveGame());
        winLevel1(run);
        ASSERT_EQ(run.game.state.goldbarcount, 1);
        ASSERT_TRUE(run.session.continueAfterLevel());
        run.session.choose([&](GameState& s) { levelload(ng, s, run.messages, 1); });
        ASSERT_EQ(run.session.start({"Ann", {}, {}}), StartOutcome::Started);
        ASSERT_TRUE(run.session.loadGame());
        winLevel1(run);
        EXPECT_EQ(run.game.state.goldbarcount, 1);
    }
    Program next(folder(), settings());
    EXPECT_EQ(next.game.state.goldbarcount, 1);
    EXPECT_EQ(next.game.state.levelswon, 1) << "Level 1";
    // A game saved now holds the level won: loaded where the settings know of none, it still
    // cannot pay again.
    next.play(0);
    ASSERT_TRUE(next.session.saveGame());
    Program elsewhere(folder(), dir.filePath("other.conf"));
    ASSERT_TRUE(elsewhere.session.loadGame());
    EXPECT_EQ(elsewhere.game.state.levelswon, 1);
    EXPECT_EQ(elsewhere.game.state.goldbarcount, 1);
}

// Lines edited by hand: a count that is not a whole number of bars the levels can award, and
// a list that names no level, are passed over; the other lines count.
TEST_F(Autosave, goldBarsTheSettingsCannotGiveArePassedOver) {
    const auto start = [this](const QByteArray& lines) {
        test::writeFile(dir, "quotara.conf", "[General]\nzoom=150\n\n[GoldBars]\n" + lines);
        return std::make_unique<Program>(folder(), settings());
    };
    for (const QByteArray count : {"99999", "4294967296", "-1", "16", "three"})
        EXPECT_EQ(start("count=" + count + "\n")->game.state.goldbarcount, 0) << count.data();
    auto run = start("count=3\ncount=\nlevels=1,2\nlevels=0,16\n");
    EXPECT_EQ(run->game.state.goldbarcount, 3);
    EXPECT_EQ(run->game.state.levelswon, 0b11);
    EXPECT_EQ(run->game.settings.intValue("zoom", 100), 150);
    // Written again for another choice, the lines still give the same.
    run->session.choose([&](GameState& s) { cheat(run->session.newGame(), s, "Petra Lund"); });
    run.reset();
    run = std::make_unique<Program>(folder(), settings());
    EXPECT_EQ(run->game.state.goldbarcount, 15);
    EXPECT_EQ(run->game.state.levelswon, 0b11);
    EXPECT_EQ(run->game.settings.intValue("zoom", 100), 150);
}

TEST_F(Autosave, goldBarsThatCannotBeKeptAreTold) {
    test::writeFile(dir, "blocker", "a file, not a folder");
    Program run(folder(), dir.filePath("blocker/quotara.conf"));
    run.session.choose([&run](GameState& s) { cheat(run.session.newGame(), s, "Petra Lund"); });
    ASSERT_EQ(run.messages.log.size(), 1u);
    EXPECT_TRUE(run.messages.texts()[0].contains("Not a directory"));
    EXPECT_EQ(run.game.state.goldbarcount, 15) << "kept for this run";
}

// A save stopped after its commit point is finished at the next start; one stopped before
// it is thrown away. Either way a whole game is left, never a mix.
TEST_F(Autosave, aSaveCutShortLeavesTheOldGameOrTheNewOne) {
    const SaveSet set = SaveSet::savedGame(DataFolder(folder()));
    Program run(folder(), settings());
    run.play(1);
    ASSERT_TRUE(run.session.saveGame());
    const QByteArray oldPly = contentOf(set.players), oldSta = contentOf(set.state);
    run.play(1);
    const auto image = shareFileImage(run.game.state.shares);
    const auto sta = encodeStateFile(run.game.state, savedLevel(run.session.newGame()), image);
    const QByteArray newPly(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
    const QByteArray newSta(reinterpret_cast<const char*>(sta.data()), qsizetype(sta.size()));

    // Stopped with both share files pending and the state file half written.
    test::writeFile(dir, "quotara/.savegame.shr.new", newPly);
    test::writeFile(dir, "quotara/.savegame.ply.new", newPly);
    test::writeFile(dir, "quotara/..savegame.sta.new.x9Y8z7", newSta.left(100));
    test::writeFile(dir, "quotara/.qonews.dat.a1B2c3", "a news file cut short");
    tidyDataFolder(FolderLock(DataFolder(folder())));
    EXPECT_EQ(contentOf(set.players), oldPly);
    EXPECT_EQ(contentOf(set.state), oldSta);
    EXPECT_EQ(QDir(folder()).entryList({"*savegame*", "*qonews*"}, QDir::Files | QDir::Hidden),
              QStringList({"qonews.dat", "savegame.ply", "savegame.shr", "savegame.sta"}));

    // Stopped after the commit point, with the first share file already renamed.
    test::writeFile(dir, "quotara/savegame.shr", newPly);
    test::writeFile(dir, "quotara/.savegame.ply.new", newPly);
    test::writeFile(dir, "quotara/.savegame.sta.new", newSta);
    {
        const FolderLock other{DataFolder(folder())};
        tidyDataFolder(FolderLock(DataFolder(folder())));
        EXPECT_EQ(contentOf(set.state), oldSta) << "never without the lock";
    }
    tidyDataFolder(FolderLock(DataFolder(folder())));
    EXPECT_EQ(contentOf(set.players), newPly);
    EXPECT_EQ(contentOf(set.state), newSta);
    Program next(folder(), settings());
    EXPECT_TRUE(next.session.loadGame());
    EXPECT_EQ(next.shares(), newPly);
}

TEST_F(Autosave, aSavedFileGetsOrdinaryPermissions) {
    Program run(folder(), settings());
    run.play(1);
    ASSERT_TRUE(run.session.saveGame());
    ASSERT_EQ(::chmod(QFile::encodeName(file("savegame.sta")).constData(), 04755), 0);
    ASSERT_TRUE(run.session.saveGame());
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(file("savegame.sta")).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

// The background writer copies the game at the hand-over and encodes it later: what changes
// after that must not reach the files, and the last job handed over is the one left on disk.
TEST_F(Autosave, theWriterThreadKeepsTheGameAsHandedOverAndTheLastJob) {
    Program run(folder(), settings());
    run.play(1);
    const SaveSet set = SaveSet::autosave(DataFolder(dir.filePath("other")));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("other")));
    GameState& s = run.game.state;
    Autosaver saver;
    saver.runInBackground();
    for (int day = 1; day <= 20; ++day) {
        s.daycount = static_cast<std::uint16_t>(day);
        s.money = 1000 * day;
        s.shares[3].price = static_cast<std::uint16_t>(100 + day);
        saver.write(set, s, {});
        s.money = -1; // after the hand-over
        s.shares[3].price = 1;
    }
    ASSERT_FALSE(saver.finish());
    const SavedGameRead read = readSaveSet(set);
    ASSERT_EQ(read.outcome, SavedGameRead::Outcome::Ready);
    ASSERT_TRUE(read.hasState);
    EXPECT_EQ(read.state.saved->daycount, 20);
    EXPECT_EQ(read.state.saved->money, 20000);
    EXPECT_EQ(read.shares[3].price, 120);

    saver.write(set, s, {});
    saver.remove(set); // a level's end after a day: nothing may be left to resume
    ASSERT_FALSE(saver.finish());
    EXPECT_FALSE(saveSetExists(set));
}
