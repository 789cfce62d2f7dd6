#include "market/headlines.h"
#include "play/endofday.h"
#include "play/savegame.h"
#include "play/session.h"
#include "play/startup.h"
#include "state/sharefile.h"
#include "support/fakes.h"
#include "support/files.h"
#include "support/sessionviews.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace quotara;
using test::contentOf;

namespace {

const QString kNoSave = QStringLiteral("There is no save game file to load!");

QByteArray imageBytes(const std::vector<std::uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

// One run of the program: start-up with a news table, and the new-game window's state.
struct SavingProgram : test::SessionOnFolder {
    explicit SavingProgram(const QString& folder) : SessionOnFolder(folder) {
        for (int n = 1; n <= kNewsCount; ++n)
            game.state.newsitems[n].text.assign(QStringLiteral("Item %1").arg(n));
        loadStartValues(game.state);
        goldbars(ng, game.state);
    }
    // The file side of Save Game; the phase that allows it is the Session's.
    bool save() { return savegame(game, ng); }
    bool load() { return session.loadGame(); }
    // What a load must bring back or leave alone, as one comparable text.
    QByteArray snapshot() const {
        const GameState& s = game.state;
        QByteArray b = imageBytes(shareFileImage(s.shares));
        b += QStringLiteral("|%1/%2/%3 d%4 £%5 %6 %7 %8 %9 %10 %11 %12|")
                 .arg(s.day)
                 .arg(s.month)
                 .arg(s.year)
                 .arg(s.daycount)
                 .arg(s.money)
                 .arg(s.ftse)
                 .arg(s.headline1item)
                 .arg(s.headlines1.caption + s.headlines4.caption + s.headlines4.numberText())
                 .arg(s.username.toQString())
                 .arg(s.twoplayer)
                 .arg(ng.appliedLevel)
                 .arg(s.target)
                 .toUtf8();
        for (int n = 1; n <= kNewsCount; ++n)
            b += char('0' + s.newsitems[n].used);
        return b;
    }

    NewGame& ng = session.newGame();
};

// A level-3 game played for some days, with holdings and a name.
void playLevel3(SavingProgram& run) {
    GameState& s = run.game.state;
    s.goldbarcount = 2;
    levelload(run.ng, s, run.game.messages, 2);
    s.username.assign(QStringLiteral("Petra"));
    startFreePlay(s); // the market of a new game; money and level stay
    s.money = 40000;
    s.shares[3].owned = 500;
    s.shares[3].cost = 2100;
    s.shares[7].p2owned = 9;
    NoDayViews none;
    for (int d = 0; d < 70; ++d) // into March, past the 15th of two months
        endofday(run.game, none);
    run.messages.log.clear();
}

struct SavedGames : ::testing::Test {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

} // namespace

TEST_F(SavedGames, aLoadInAFreshProgramGivesTheSavedGameBack) {
    SavingProgram first(dir.path());
    playLevel3(first);
    const GameState& saved = first.game.state;
    ASSERT_EQ(saved.month, 3);
    ASSERT_TRUE(first.save());
    EXPECT_EQ(first.messages.texts(), QStringList{"Game saved successfully."});

    SavingProgram second(dir.path());
    ASSERT_EQ(second.game.state.year, 1999);
    ASSERT_TRUE(second.load());
    EXPECT_EQ(second.messages.texts(), QStringList{"Game loaded successfully."});
    EXPECT_EQ(second.snapshot(), first.snapshot());
    const GameState& s = second.game.state;
    EXPECT_EQ(s.money, 40000);
    EXPECT_EQ(s.startmoney, saved.startmoney);
    EXPECT_EQ(s.endday, saved.endday);
    EXPECT_EQ(s.endmonth, saved.endmonth);
    EXPECT_EQ(s.interest, saved.interest);
    EXPECT_EQ(s.unemployedchange, saved.unemployedchange);
    EXPECT_EQ(s.headline4days, saved.headline4days);
    EXPECT_EQ(s.headlines2.caption, saved.headlines2.caption);
    EXPECT_EQ(s.tickerText, tickerText(s));
    EXPECT_EQ(second.ng.view.listRow, 2);
    EXPECT_EQ(second.ng.view.targetText, levelTable()[2].targetText);
    EXPECT_EQ(s.goldbarcount, 2); // a saved game keeps the gold bars won

    // And the game goes on from there.
    NoDayViews none;
    const int day = s.day;
    endofday(second.game, none);
    EXPECT_EQ(s.day, day + 1);
}

TEST_F(SavedGames, theShareFilesAreTheTableImageAndTheStateFileIsOurs) {
    SavingProgram run(dir.path());
    playLevel3(run);
    ASSERT_TRUE(run.save());
    const QByteArray image = imageBytes(shareFileImage(run.game.state.shares));
    ASSERT_EQ(image.size(), 41520);
    EXPECT_EQ(contentOf(path("savegame.shr")), image);
    EXPECT_EQ(contentOf(path("savegame.ply")), image);

    const QByteArray sta = contentOf(path("savegame.sta"));
    // Version 1's 385 bytes; later versions append their fields, so these offsets hold.
    ASSERT_GE(sta.size(), 385);
    if (kStateFileVersion == 1) {
        EXPECT_EQ(sta.size(), 385);
    }
    const auto le = [&sta](int at, int n) {
        quint64 v = 0;
        for (int i = 0; i < n; ++i)
            v |= quint64(quint8(sta[at + i])) << (8 * i);
        return v;
    };
    const GameState& s = run.game.state;
    EXPECT_EQ(sta.left(4), "QSTA");
    EXPECT_EQ(le(4, 2), kStateFileVersion);
    EXPECT_EQ(le(6, 4), quint64(sta.size()));
    EXPECT_EQ(qint8(sta[18]), 2); // level row
    EXPECT_EQ(sta[19], 1);        // single play
    EXPECT_EQ(le(20, 1), s.day);
    EXPECT_EQ(le(21, 1), 3u);
    EXPECT_EQ(le(22, 2), 1999u);
    EXPECT_EQ(le(24, 2), s.daycount);
    EXPECT_EQ(le(26, 4), 40000u);
    EXPECT_EQ(sta.mid(40, 6), QByteArray("\x05Petra"));
    EXPECT_EQ(le(137, 8), 0x401D000000000000u); // interest 7.25 as binary64
    EXPECT_EQ(le(164, 4), quint64(quint32(s.headline4days)));
    EXPECT_EQ(qint16(le(168, 2)), s.headlines1.number);
    EXPECT_EQ(sta[170], s.headlines1.caption.isEmpty() ? 0 : 1);
    EXPECT_EQ(qint16(le(174, 2)), s.headlines4.number);
    EXPECT_EQ(sta[177 + s.headline1item - 1], 1); // its used flag
}

// A file that is missing, short, damaged or unreadable is reported and changes nothing.
TEST_F(SavedGames, aLoadThatFailsChangesNothing) {
    SavingProgram saver(dir.path());
    playLevel3(saver);
    ASSERT_TRUE(saver.save());
    const QByteArray shr = contentOf(path("savegame.shr"));
    const QByteArray sta = contentOf(path("savegame.sta"));

    QByteArray damaged = sta;
    damaged[30] = char(damaged[30] ^ 1);
    QByteArray badMonth = sta; // a well-formed file with a month of 13
    SavingProgram other(dir.path());
    other.game.state.month = 13;
    struct Case {
        const char* what;
        std::function<void()> arrange;
        QString message;
    };
    const auto put = [this](const char* name, const QByteArray& bytes) {
        QFile::remove(path(name));
        test::writeFile(dir, QLatin1String(name), bytes);
    };
    const auto unreadable = [this](const char* text, const char* name) {
        return QStringLiteral("The saved game cannot be read. Nothing was changed.\n\n") +
               test::errorWithFile(text, path(name));
    };
    const std::vector<Case> cases = {
        {"no files", [&] { QFile::remove(path("savegame.shr")); }, kNoSave},
        {"a lone savegame.shr", [&] { QFile::remove(path("savegame.ply")); }, kNoSave},
        {"a short savegame.shr", [&] { put("savegame.shr", shr.left(41519)); },
         unreadable("Read beyond end of file", "savegame.shr")},
        {"an empty savegame.ply", [&] { put("savegame.ply", {}); },
         unreadable("Read beyond end of file", "savegame.ply")},
        {"savegame.ply a folder", // there, but not a file that can be read
         [&] {
             QFile::remove(path("savegame.ply"));
             QDir(dir.path()).mkdir("savegame.ply");
         },
         unreadable("File access denied", "savegame.ply")},
        {"savegame.shr a pipe",
         [&] {
             QFile::remove(path("savegame.shr"));
             ASSERT_EQ(::mkfifo(QFile::encodeName(path("savegame.shr")).constData(), 0600), 0);
         },
         unreadable("File access denied", "savegame.shr")},
        {"a damaged savegame.sta", [&] { put("savegame.sta", damaged); },
         "The saved game cannot be loaded: its file savegame.sta is damaged. Nothing was "
         "changed."},
        {"a short savegame.sta", [&] { put("savegame.sta", sta.left(384)); },
         "The saved game cannot be loaded: its file savegame.sta is damaged. Nothing was "
         "changed."},
        {"a longer savegame.sta", [&] { put("savegame.sta", sta + "x"); },
         "The saved game cannot be loaded: its file savegame.sta is damaged. Nothing was "
         "changed."},
        {"a month out of the calendar",
         [&] {
             put("savegame.sta",
                 imageBytes(encodeStateFile(
                     other.game.state, {},
                     std::span(reinterpret_cast<const std::uint8_t*>(shr.constData()),
                               std::size_t(shr.size())))));
         },
         "The saved game cannot be loaded: its file savegame.sta is damaged. Nothing was "
         "changed."},
        {"a newer version",
         [&] {
             QByteArray newer = sta;
             newer[4] = char(kStateFileVersion + 1); // the rest is unknown, left unread
             put("savegame.sta", newer);
         },
         "This saved game was made by a newer version of Quotara."},
        {"savegame.ply from another save",
         [&] {
             QByteArray ply = shr;
             ply[2046] = char(ply[2046] + 1);
             put("savegame.ply", ply);
         },
         "The saved game cannot be loaded: savegame.ply and savegame.sta are not from the same "
         "save (a save may have been interrupted). Nothing was changed."},
    };
    for (const Case& c : cases) {
        QDir(dir.path()).rmdir("savegame.ply");
        put("savegame.shr", shr);
        put("savegame.ply", shr);
        put("savegame.sta", sta);
        c.arrange();
        SavingProgram run(dir.path());
        const QByteArray before = run.snapshot();
        EXPECT_FALSE(run.load()) << c.what;
        EXPECT_EQ(run.messages.texts(), QStringList{c.message}) << c.what;
        EXPECT_EQ(run.snapshot(), before) << c.what;
        EXPECT_TRUE(run.steps.isEmpty()) << c.what;
    }
}

// Without savegame.sta (a save from another program) only the shares come back, as designed:
// money and date stay as memory holds them.
TEST_F(SavedGames, withoutTheStateFileOnlyTheSharesComeBack) {
    SavingProgram saver(dir.path());
    playLevel3(saver);
    ASSERT_TRUE(saver.save());
    ASSERT_TRUE(QFile::remove(path("savegame.sta")));
    // The two files differ: savegame.ply's records are the ones that stay.
    QByteArray shr = contentOf(path("savegame.shr"));
    shr[2046] = 0;
    QFile::remove(path("savegame.shr"));
    test::writeFile(dir, "savegame.shr", shr);

    SavingProgram run(dir.path());
    run.game.state.money = 15000;
    ASSERT_TRUE(run.load());
    const GameState& s = run.game.state;
    EXPECT_EQ(imageBytes(shareFileImage(s.shares)), contentOf(path("savegame.ply")));
    EXPECT_EQ(s.money, 15000);
    EXPECT_EQ(s.day, 1);
    EXPECT_EQ(s.month, 1);
    EXPECT_EQ(s.year, 1999);
    EXPECT_EQ(run.ng.appliedLevel, kDefaultLevel);
}

TEST_F(SavedGames, aSaveBeforeAnyGameHoldsTheTableOfStartUp) {
    SavingProgram saver(dir.path());
    saver.game.state.money = 4321;
    ASSERT_TRUE(saver.save());
    EXPECT_EQ(contentOf(path("savegame.ply")), imageBytes(shareFileImage(saver.game.state.shares)));
    SavingProgram run(dir.path());
    ASSERT_TRUE(run.load());
    EXPECT_EQ(run.game.state.money, 4321); // what memory held at that save
}

// Without the state file the slots come back from the item numbers; a number 0 leaves its
// slot empty.
TEST(LoadRefresh, putsTheHeadlineItemsBackAndRunsTheCalendarStep) {
    auto s = std::make_unique<GameState>();
    s->newsitems[12].text.assign(QStringLiteral("Twelve"));
    s->newsitems[44].text.assign(QStringLiteral("Forty-four"));
    s->headline1item = 12;
    s->headline4item = 44;
    s->headlines2.caption = QStringLiteral("stale");
    s->headlines2.number = 3;
    s->day = 31, s->month = 4, s->year = 1999;
    s->tickerText = QStringLiteral("the game replaced");
    loadRefresh(*s, false);
    EXPECT_EQ(s->tickerText, "Twelve          Forty-four") << "the loaded game's own headlines";
    EXPECT_EQ(s->headlines1.caption, "Twelve");
    EXPECT_EQ(s->headlines1.numberText(), "12");
    EXPECT_EQ(s->headlines2.caption, "");
    EXPECT_EQ(s->headlines2.numberText(), "");
    EXPECT_EQ(s->headlines4.caption, "Forty-four");
    EXPECT_EQ(s->headlines4.numberText(), "44");
    EXPECT_EQ(s->month, 5); // 31 April rolls over, as dayeval does
    EXPECT_EQ(s->day, 1);
}

TEST_F(SavedGames, aTwoPlayerGameComesBackWithItsTurnAndNames) {
    SavingProgram saver(dir.path());
    GameState& g = saver.game.state;
    multiplayer(saver.ng, g);
    g.player = 2;
    g.p1name.assign(QStringLiteral("Ann"));
    g.p2name.assign(QStringLiteral("Bob"));
    g.p1money = 123;
    ASSERT_TRUE(saver.save());

    SavingProgram run(dir.path());
    ASSERT_TRUE(run.load());
    const GameState& s = run.game.state;
    EXPECT_EQ(s.twoplayer, 1);
    EXPECT_EQ(s.player, 2);
    EXPECT_EQ(s.p1name.toQString(), "Ann");
    EXPECT_EQ(s.p2name.toQString(), "Bob");
    EXPECT_EQ(s.p1money, 123);
    EXPECT_TRUE(run.ng.view.sel3);
    EXPECT_TRUE(run.ng.view.namesVisible);
}

// A save that fails keeps every old file, and writes none of the new ones.
TEST_F(SavedGames, aFailedSaveKeepsTheOldFiles) {
    SavingProgram old(dir.path());
    ASSERT_TRUE(old.save());
    const QStringList files = {"savegame.ply", "savegame.shr", "savegame.sta"};
    QList<QByteArray> before;
    for (const QString& f : files)
        before << contentOf(dir.filePath(f));

    SavingProgram run(dir.path());
    playLevel3(run);
    const bool savedOk = test::withFileSizeLimit(1000, [&] { return run.save(); });
    EXPECT_FALSE(savedOk);
    ASSERT_EQ(run.messages.log.size(), 1u);
    EXPECT_EQ(run.messages.log[0].kind, Messages::Kind::Error);

    // The last of the three cannot be written: neither of the first two is replaced.
    ASSERT_TRUE(QFile::remove(dir.filePath("savegame.sta")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("savegame.sta"));
    run.messages.log.clear();
    EXPECT_FALSE(run.save());
    // The standard text, then the file and the system's own reason.
    ASSERT_EQ(run.messages.texts().size(), 1);
    EXPECT_TRUE(run.messages.texts()[0].startsWith(
        "File access denied (savegame.sta: Is a directory)\n\nThe game was not saved."))
        << run.messages.texts()[0].toStdString();
    ASSERT_TRUE(QDir(dir.path()).rmdir("savegame.sta"));
    test::writeFile(dir, "savegame.sta", before[2]);

    for (int i = 0; i < files.size(); ++i)
        EXPECT_EQ(contentOf(dir.filePath(files[i])), before[i]) << files[i].toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), files);

    // A data folder removed since start-up is made again.
    SavingProgram missing(dir.filePath("no-such-folder"));
    EXPECT_TRUE(missing.save());
    EXPECT_TRUE(QFile::exists(dir.filePath("no-such-folder/savegame.sta")));
}
