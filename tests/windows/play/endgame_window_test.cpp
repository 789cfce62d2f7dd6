// The end of a level as the player meets it: End Day up to the deadline opens the
// end-of-level window in place of the main window; Continue leads back to a fresh market and
// the new-game window; Exit and closing the window ask first.

#include "windows/support/gamewindows.h"

#include "play/hallmodel.h"
#include "state/sharetable.h"

#include <QAction>
#include <QListWidget>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>

#include <memory>

using namespace quotara;
using test::GameWindows;

class EndGameWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GameWindows> g;

    template <class T = QLabel> T* find(const char* name) {
        return GameWindows::find<T>(g->endgame, name);
    }
    QPushButton* endDay() { return GameWindows::find<QPushButton>(g->main, "Button1"); }

    // Level 5 (one week, £500 profit) for a player with every bar: seven End Days to
    // 8 January, with £20000 in the bank and no shares on the last day.
    void playLevel5() {
        g->newgame->show();
        QTest::keyClicks(GameWindows::find<QLineEdit>(g->newgame, "playername"),
                         QStringLiteral("Petra Lund"));
        auto* levels = GameWindows::find<QListWidget>(g->newgame, "levels");
        QTest::mouseClick(levels->viewport(), Qt::LeftButton, {},
                          levels->visualItemRect(levels->item(4)).center());
        GameWindows::find<QPushButton>(g->newgame, "Button1")->click();
        QVERIFY(g->main->isVisible());
        for (int i = 0; i < 6; ++i)
            endDay()->click();
        QVERIFY(!g->endgame->isVisible());
        g->s().money = 20000;
        GameWindows::find<QPushButton>(g->main, "lookupbuy")->click();
        QVERIFY(g->buysell->isVisible());
        endDay()->click();
    }

  private slots:
    void init() {
        g = std::make_unique<GameWindows>();
        QVERIFY(g->started);
    }
    void cleanup() { g.reset(); }

    void deadlineOpensTheVerdict() {
        playLevel5();
        QCOMPARE(g->s().day, 8);
        QCOMPARE(g->messages.texts().last(), QStringLiteral("You made a profit of £5000"));
        QVERIFY(g->endgame->isVisible());
        QVERIFY(!find("Image")->pixmap().isNull());
        QVERIFY(!g->main->isVisible());
        QVERIFY(!g->ticker->isVisible());
        QVERIFY(!g->buysell->isVisible()); // no trading between levels
        QCOMPARE(find("goldbars")->text(), QStringLiteral("15 goldbars")); // all there are
        QCOMPARE(find("endtext")->text(),
                 QStringLiteral("Congratulations! You win a gold bar! Play a different level to "
                                "try and get another gold bar"));
        QCOMPARE(find("best")->text(), QStringLiteral("A new best for Level 5!"));
    }

    // Options > Hall of Fame shows the level won under that level, with a name a screen
    // reader says.
    void theWinIsShownInTheHallOfFame() {
        playLevel5();
        GameWindows::find<QAction>(g->main, "HallOfFame1")->trigger();
        QVERIFY(g->hallOfFame->isVisible());
        GameWindows::find<QListWidget>(g->hallOfFame, "lists")->setCurrentRow(4);
        auto* best = GameWindows::find<QTableView>(g->hallOfFame, "best");
        QCOMPARE(best->model()->rowCount(), 1);
        QCOMPARE(best->model()->index(0, HallModel::Name).data().toString(),
                 QStringLiteral("Petra Lund"));
        QCOMPARE(best->model()->index(0, HallModel::Profit).data().toString(),
                 QStringLiteral("£5000"));
        QCOMPARE(best->accessibleName(), QStringLiteral("Best results: Level 5"));
    }

    // The fault: a verdict left up past the next Start reset that game on its Continue, and
    // a trade dialog left open traded with no game playing.
    void aLevelsEndClosesTheFinishedGameAndStartClosesTheVerdict() {
        playLevel5();
        g->newgame->show(); // as if left open through the level
        QVERIFY(g->endgame->isVisible());
        QVERIFY(!g->buysell->isVisible());
        QVERIFY(!g->graph->isVisible());
        const auto owned = g->s().shares[0].owned;
        g->buysell->Button1Click(); // the dialog's OK, as if it had stayed up
        QCOMPARE(g->messages.texts().last(), QStringLiteral("You must start a new game first!"));
        QCOMPARE(g->s().shares[0].owned, owned);

        QVERIFY(g->newgame->isVisible());
        GameWindows::find<QPushButton>(g->newgame, "Button1")->click();
        QVERIFY(g->main->isVisible());
        QVERIFY(!g->endgame->isVisible());
        endDay()->click();
        QCOMPARE(g->s().daycount, 2); // the new game goes on
    }

    // Continue: the market back at its start, the disclaimer asked again, the new-game window
    // with the next level open; the game's pages wait for Start.
    void continueBackToTheNewGameWindow() {
        playLevel5();
        const auto asked = g->messages.log.size();
        find<QPushButton>("button1")->click();
        QCOMPARE(g->messages.log.size(), asked + 1);
        QVERIFY(g->messages.log.back().text.startsWith(QStringLiteral("DISCLAIMER")));
        QVERIFY(!g->endgame->isVisible());
        QVERIFY(g->newgame->isVisible());
        QVERIFY(!g->ticker->isVisible());
        QVERIFY(!g->main->isVisible());
        QVERIFY(GameWindows::find<QTabWidget>(g->main, "PageControl1")->isHidden());
        QCOMPARE(g->s().day, 1);
        QCOMPARE(g->s().month, 1);
        QCOMPARE(g->s().year, 1999);
        QCOMPARE(g->s().daycount, 1);
        for (int i = 0; i < kShareCount; ++i) {
            QCOMPARE(g->s().shares[i].price, kBuiltinShares[i].price);
            QCOMPARE(g->s().shares[i].owned, 0);
        }
        QCOMPARE(g->s().money, 10000); // Level 6's, in force for the next Start
        QCOMPARE(GameWindows::find<QListWidget>(g->newgame, "levels")->currentRow(), 5);
        QCOMPARE(GameWindows::find(g->newgame, "level")->text(), QStringLiteral("Level 6"));
        QCOMPARE(GameWindows::find(g->newgame, "Label6")->text(), QStringLiteral("15 goldbars"));
        QCOMPARE(GameWindows::find(g->newgame, "target")->text(),
                 QStringLiteral("Make a profit of £1,000 within 1 month."));

        // The next game starts from here.
        GameWindows::find<QPushButton>(g->newgame, "Button1")->click();
        QVERIFY(g->main->isVisible());
        QVERIFY(!g->newgame->isVisible());
    }

    // Saved on 28 January of Level 1, won, Continue into Level 2, the save loaded and won
    // again: the level had paid its bar, and pays no second one.
    void aLevelPaysItsBarOnceWhateverIsLoaded() {
        const auto toTheDeadline = [this] {
            while (g->main->isVisible())
                endDay()->click();
        };
        auto* levels = GameWindows::find<QListWidget>(g->newgame, "levels");
        g->newgame->show();
        QTest::mouseClick(levels->viewport(), Qt::LeftButton, {},
                          levels->visualItemRect(levels->item(0)).center());
        g->startGame(QStringLiteral("Ann"));
        for (int d = 1; d < 28; ++d)
            endDay()->click();
        g->s().money = 20000;
        GameWindows::find<QAction>(g->main, "SaveGame1")->trigger();
        toTheDeadline();
        QCOMPARE(find("goldbars")->text(), QStringLiteral("1 goldbars"));
        find<QPushButton>("button1")->click(); // Continue
        QCOMPARE(levels->currentRow(), 1);     // Level 2, now open
        GameWindows::find<QPushButton>(g->newgame, "Button1")->click();
        GameWindows::find<QAction>(g->main, "LoadGame1")->trigger();
        toTheDeadline();
        QCOMPARE(find("goldbars")->text(), QStringLiteral("1 goldbars"));
        QVERIFY(find("endtext")->text().contains(QStringLiteral("already paid its gold bar")));
    }

    void continueThenNoToTheDisclaimerEnds() {
        playLevel5();
        QSignalSpy quit(g->endgame, &Tendgame::quitRequested);
        g->messages.answers = {false};
        find<QPushButton>("button1")->click();
        QCOMPARE(quit.count(), 1);
        QVERIFY(!g->newgame->isVisible());
    }

    void exitAsksFirst() {
        playLevel5();
        QSignalSpy quit(g->endgame, &Tendgame::quitRequested);
        g->messages.answers = {false};
        find<QPushButton>("Button2")->click();
        QCOMPARE(g->messages.log.back().text,
                 QStringLiteral("Are you sure you want to quit Quotara?"));
        QCOMPARE(g->messages.log.back().kind, Messages::Kind::Confirmation);
        QVERIFY(g->messages.log.back().asked);
        QCOMPARE(quit.count(), 0);
        QVERIFY(g->endgame->isVisible());

        g->messages.answers = {true};
        find<QPushButton>("Button2")->click();
        QCOMPARE(quit.count(), 1);
    }

    // It is the only window on screen, so closing it asks the exit question rather than
    // leaving the player with nothing.
    void closingAsksTheExitQuestion() {
        playLevel5();
        QSignalSpy quit(g->endgame, &Tendgame::quitRequested);
        g->messages.answers = {false};
        QVERIFY(!g->endgame->close());
        QCOMPARE(g->messages.log.back().text,
                 QStringLiteral("Are you sure you want to quit Quotara?"));
        QVERIFY(g->endgame->isVisible());
        QCOMPARE(quit.count(), 0);
        g->messages.answers = {true};
        g->endgame->close();
        QCOMPARE(quit.count(), 1);
    }
};

QTEST_MAIN(EndGameWindowTest)
#include "endgame_window_test.moc"
