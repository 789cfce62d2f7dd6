// File > Save Game, File > Load Game and Options > Players as the player uses them: a game
// saved, the program started again over the same folder, the game loaded and played on.

#include "market/calendar.h"
#include "market/headlines.h"
#include "windows/components/tbanner.h"
#include "windows/support/gamewindows.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include <memory>

using namespace quotara;
using test::GameWindows;

class SaveGameWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GameWindows> g;

    template <class T = QLabel> T* find(QWidget* window, const char* name) {
        return GameWindows::find<T>(window, name);
    }
    void trigger(const char* action) { find<QAction>(g->main, action)->trigger(); }
    QString lastMessage() const { return g->messages.log.back().text; }
    QString panel(int i) const { return g->main->statusPanel(i)->text(); }
    void endDay() { find<QPushButton>(g->main, "Button1")->click(); }
    bool pagesShown() {
        auto* pages = find<QTabWidget>(g->main, "PageControl1");
        return !pages->isHidden() && pages->isTabVisible(pages->indexOf(pages->widget(0))) &&
               !find<QPushButton>(g->main, "Button1")->isHidden() &&
               !find<QStatusBar>(g->main, "status")->isHidden() && g->ticker->isVisible();
    }
    // A fresh program over the saved files of the one before.
    void restart() {
        const QString from = g->game->folder.path();
        auto next = std::make_unique<GameWindows>(GameWindows::NotStarted{});
        next->installNews();
        for (const char* f : {"savegame.shr", "savegame.ply", "savegame.sta"})
            QVERIFY(QFile::copy(from + "/" + f, next->game->folder.path() + "/" + f));
        g = std::move(next);
        QVERIFY(g->startUp());
        g->main->show();
    }

  private slots:
    void init() {
        g = std::make_unique<GameWindows>();
        QVERIFY(g->started);
    }
    void cleanup() { g.reset(); }

    void saveQuitStartAgainLoadAndPlayOn() {
        g->startGame(QStringLiteral("Petra"));
        g->s().money = 40000;
        g->s().shares[2].owned = 300;
        for (int d = 0; d < 5; ++d)
            endDay();
        QCOMPARE(panel(1), QStringLiteral("Date - 6th January 1999"));
        const QString headline = find(g->main, "headlines1")->text();
        const auto price = g->s().shares[2].price;
        trigger("SaveGame1");
        QCOMPARE(lastMessage(), QStringLiteral("Game saved successfully."));

        restart();
        QVERIFY(!pagesShown());
        trigger("LoadGame1");
        QCOMPARE(lastMessage(), QStringLiteral("Game loaded successfully."));
        QVERIFY(pagesShown());
        QCOMPARE(panel(0), QStringLiteral("Money - £40000"));
        QCOMPARE(panel(1), QStringLiteral("Date - 6th January 1999"));
        QCOMPARE(panel(2), QStringLiteral("User - Petra"));
        // Renaming starts from the loaded name.
        trigger("Players1");
        QCOMPARE(find<QLineEdit>(g->players, "player1name")->text(), QStringLiteral("Petra"));
        g->players->hide();
        QCOMPARE(find(g->main, "headlines1")->text(), headline);
        QCOMPARE(g->ticker->text(), g->s().tickerText);
        QVERIFY(g->ticker->text().contains(headline));
        QCOMPARE(g->s().shares[2].owned, 300);
        QCOMPARE(g->s().shares[2].price, price);

        endDay();
        QCOMPARE(panel(1), QStringLiteral("Date - 7th January 1999"));
    }

    // Save Game before any game of this run would have written an empty 1 January game over
    // the player's saved one.
    void saveWithNoGameKeepsTheSavedGame() {
        g->startGame(QStringLiteral("Petra"));
        endDay();
        trigger("SaveGame1");
        restart();
        const QString sta = g->game->folder.savedStateFile();
        QFile before(sta);
        QVERIFY(before.open(QIODevice::ReadOnly));
        const QByteArray saved = before.readAll();
        trigger("SaveGame1");
        QCOMPARE(lastMessage(), QStringLiteral("You must start a new game first!"));
        QFile after(sta);
        QVERIFY(after.open(QIODevice::ReadOnly));
        QCOMPARE(after.readAll(), saved);
    }

    // A save from before the state file brings no ticker text: the ticker keeps scrolling,
    // with no error box about an empty banner.
    void aSaveWithoutItsStateFileLoadsWithTheTickerRunning() {
        g->startGame(QStringLiteral("Petra"));
        endDay();
        trigger("SaveGame1");
        restart();
        QVERIFY(QFile::remove(g->game->folder.savedStateFile()));
        trigger("LoadGame1");
        QCOMPARE(lastMessage(), QStringLiteral("Game loaded successfully."));
        for (const auto& m : g->messages.log)
            QVERIFY2(m.kind != Messages::Kind::Error, qPrintable(m.text));
        QVERIFY(g->ticker->banner()->scrollingEnabled());
    }

    // Load Game, Resume Game and New Game's Start each ask before they replace a game with a
    // day or a trade not saved; No, the default, keeps it as it is.
    void aGameBeingPlayedIsReplacedOnlyAfterYes() {
        g->startGame(QStringLiteral("Petra"));
        trigger("SaveGame1");
        endDay();
        const auto asked = [this] {
            const auto& last = g->messages.log.back();
            return last.kind == Messages::Kind::Caution &&
                   last.text.startsWith(QStringLiteral("Abandon the game you are playing?"));
        };
        g->messages.answers = {false};
        trigger("LoadGame1");
        QVERIFY(asked());
        g->messages.answers = {false};
        trigger("ResumeGame1");
        QVERIFY(asked());
        g->messages.answers = {false};
        g->startGame(QStringLiteral("Bob"));
        QVERIFY(asked());
        QCOMPARE(panel(1), QStringLiteral("Date - 2nd January 1999"));
        QCOMPARE(panel(2), QStringLiteral("User - Petra"));
        trigger("LoadGame1"); // Yes
        QCOMPARE(panel(1), QStringLiteral("Date - 1st January 1999"));
    }

    // The ticker scrolls the news of the game on screen from the moment it is there.
    void theTickerChangesWithTheGame() {
        g->startGame(QStringLiteral("Petra"));
        for (int d = 0; d < 5 && g->s().tickerText == kNoNewsToday; ++d)
            endDay();
        const QString news = g->ticker->text();
        QVERIFY(news != kNoNewsToday);
        trigger("SaveGame1");
        g->startGame(QStringLiteral("Bob"));
        QCOMPARE(g->ticker->text(), kNoNewsToday);
        trigger("LoadGame1");
        QCOMPARE(g->ticker->text(), news);
    }

    void loadWithoutASavedGame() {
        trigger("LoadGame1");
        QCOMPARE(lastMessage(), QStringLiteral("There is no save game file to load!"));
        QVERIFY(!pagesShown());
    }

    // A save that cannot be written says why and leaves the game as it was.
    void aFailedSaveIsReported() {
        g->startGame();
        QVERIFY(QDir(g->game->folder.path()).mkdir("savegame.ply"));
        trigger("SaveGame1");
        QCOMPARE(g->messages.log.back().kind, Messages::Kind::Error);
        QVERIFY2(lastMessage().startsWith("File access denied (savegame.ply: Is a directory)"),
                 qPrintable(lastMessage()));
        QVERIFY(!lastMessage().contains("saved successfully"));
        QVERIFY(!QFile::exists(g->game->folder.path() + "/savegame.shr"));
    }

    void playersNeedsAGameThenRenames() {
        trigger("Players1");
        QCOMPARE(lastMessage(), QStringLiteral("You must start a new game first!"));
        QVERIFY(!g->players->isVisible());
        QCOMPARE(find<QAction>(g->main, "Players1")->toolTip(),
                 QStringLiteral("Set the player details such as number of players."));

        g->startGame(QStringLiteral("Ann"));
        trigger("Players1");
        QVERIFY(g->players->isVisible());
        QVERIFY(!g->players->namesrole());
        QVERIFY(!find<QLineEdit>(g->players, "player2name")->isEnabled());
        auto* name = find<QLineEdit>(g->players, "player1name");
        QCOMPARE(name->text(), QStringLiteral("Ann"));
        name->clear();
        QTest::keyClicks(name, "Bob");
        find<QPushButton>(g->players, "BitBtn1")->click();
        QVERIFY(!g->players->isVisible());
        QCOMPARE(panel(2), QStringLiteral("User - Bob"));
        // The New Game window offers the name now in use.
        QCOMPARE(find<QLineEdit>(g->newgame, "playername")->text(), QStringLiteral("Bob"));
    }

    // A saved-game file that is there but cannot be read is not called missing.
    void anUnreadableSaveSaysSo() {
        QVERIFY(QDir(g->game->folder.path()).mkdir("savegame.shr"));
        QVERIFY(QDir(g->game->folder.path()).mkdir("savegame.ply"));
        trigger("LoadGame1");
        QCOMPARE(g->messages.log.back().kind, Messages::Kind::Error);
        QVERIFY2(lastMessage().startsWith(QStringLiteral("The saved game cannot be read.")),
                 qPrintable(lastMessage()));
        QVERIFY(lastMessage().contains(QStringLiteral("savegame.shr")));
        QVERIFY(!pagesShown());
    }

    // With a file where the data folder should be, a save says the folder is the trouble.
    void aSaveWithoutADataFolderSaysSo() {
        g->startGame();
        const QString folder = g->game->folder.path();
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        trigger("SaveGame1");
        QVERIFY2(lastMessage().startsWith(
                     QStringLiteral("The data folder %1 does not exist and cannot be created.\n\n"
                                    "The game was not saved.")
                         .arg(QDir::toNativeSeparators(folder))),
                 qPrintable(lastMessage()));
        // A folder merely removed is made again.
        QVERIFY(QFile::remove(folder));
        trigger("SaveGame1");
        QCOMPARE(lastMessage(), QStringLiteral("Game saved successfully."));
    }
};

QTEST_MAIN(SaveGameWindowTest)
#include "savegame_window_test.moc"
