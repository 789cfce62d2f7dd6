// Two players at one computer, as they play it: the names and Start in the new-game window,
// each player trading in turn through the trade dialog and seeing their own holdings, a game
// saved on player 2's turn and loaded by the program started again, and the verdict.

#include "play/twoplayer.h"
#include "windows/support/gamewindows.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QToolButton>

#include <memory>

using namespace quotara;
using test::GameWindows;

class TwoPlayerWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GameWindows> g;

    template <class T = QLabel> T* find(QWidget* window, const char* name) {
        return GameWindows::find<T>(window, name);
    }
    QString lastMessage() const { return g->messages.log.back().text; }
    QString panel(int i) const { return g->main->statusPanel(i)->text(); }
    void endDay() { find<QPushButton>(g->main, "Button1")->click(); }
    QString portfolio(const char* label) { return g->onPage("TabSheet6", label)->text(); }
    QString shareName(int i) { return g->s().shares[i].name.toQString(); }

    // The new-game window: two players, "Play until" row, both names, Start.
    void startTwoPlayers(int until) {
        g->newgame->show();
        find<QToolButton>(g->newgame, "Image2")->click();
        auto* playUntil = find<QComboBox>(g->newgame, "playuntil");
        playUntil->setCurrentIndex(until);
        emit playUntil->activated(until);
        find<QPushButton>(g->newgame, "browse")->click();
        QTest::keyClicks(find<QLineEdit>(g->players, "player1name"), "Ann");
        QTest::keyClicks(find<QLineEdit>(g->players, "player2name"), "Bob");
        find<QPushButton>(g->players, "BitBtn1")->click();
        find<QPushButton>(g->newgame, "Button1")->click();
        QVERIFY(!g->newgame->isVisible());
        QVERIFY(g->main->isVisible());
    }
    // The trade dialog from the Share Lookup page, a quantity typed and OK.
    void openTrade(int share, const char* button) {
        g->onPage("TabSheet1", "lookupowned");
        g->main->selectShare(share);
        find<QPushButton>(g->main, button)->click();
        QVERIFY(g->buysell->isVisible());
    }
    void trade(int share, const char* button, const char* quantity) {
        openTrade(share, button);
        auto* field = find<QLineEdit>(g->buysell, "noshares");
        field->clear();
        QTest::keyClicks(field, quantity);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!g->buysell->isVisible());
    }

  private slots:
    void init() {
        g = std::make_unique<GameWindows>();
        QVERIFY(g->started);
    }
    void cleanup() { g.reset(); }

    // Two days, both players trading: after each End Day the other player's cash and holdings
    // show at once on the page in front, in the money and user panels and in a trade dialog
    // left open.
    void eachPlayerSeesTheirOwnHoldings() {
        startTwoPlayers(kNoEnd);
        QCOMPARE(panel(2), QStringLiteral("User - Ann"));
        trade(2, "lookupbuy", "100");
        QCOMPARE(portfolio("name1"), shareName(2));

        openTrade(2, "lookupbuy");
        QCOMPARE(find(g->buysell, "owned")->text(), QStringLiteral("100 shares"));
        QCOMPARE(find(g->buysell, "Label4")->text(),
                 QStringLiteral("Ann, how many shares would you like to buy?"));
        endDay();
        QCOMPARE(lastMessage(), QStringLiteral("End of Ann's turn and today's trading."));
        QCOMPARE(panel(1), QStringLiteral("Date - 1st January 1999"));
        QCOMPARE(panel(2), QStringLiteral("User - Bob"));
        QCOMPARE(panel(0), QStringLiteral("Money - £15000"));
        QCOMPARE(find(g->buysell, "owned")->text(), QStringLiteral("0 shares"));
        QVERIFY(find(g->buysell, "Label4")->text().startsWith(QStringLiteral("Bob, ")));
        QCOMPARE(portfolio("name1"), QString());
        find<QPushButton>(g->buysell, "button2")->click();

        trade(5, "lookupbuy", "50");
        QCOMPARE(portfolio("name1"), shareName(5));
        endDay();
        QCOMPARE(lastMessage(), QStringLiteral("End of Bob's turn and today's trading."));
        QCOMPARE(panel(1), QStringLiteral("Date - 2nd January 1999"));
        QCOMPARE(panel(2), QStringLiteral("User - Ann"));
        QCOMPARE(portfolio("name1"), shareName(2));
        QCOMPARE(portfolio("owned1"), QStringLiteral("100"));

        // Day 2: Ann sells part, Bob sees only his own.
        trade(2, "lookupsell", "40");
        QCOMPARE(portfolio("owned1"), QStringLiteral("60"));
        endDay();
        QCOMPARE(panel(2), QStringLiteral("User - Bob"));
        QCOMPARE(portfolio("name1"), shareName(5));
        QCOMPARE(portfolio("owned1"), QStringLiteral("50"));
        QCOMPARE(g->s().shares[2].p1owned, 60);

        // Each trade is the player's whose turn it was.
        std::vector<int> players;
        for (const TradeEntry& t : g->s().record.trades)
            players.push_back(t.player);
        QCOMPARE(players, (std::vector<int>{1, 2, 1}));
    }

    // Saved on Bob's turn, then loaded by the program started again: Bob's turn, Bob's shares,
    // both names and the deadline; his End Day ends the day and gives Ann her turn.
    void savedOnPlayer2sTurnComesBackInAFreshProgram() {
        startTwoPlayers(1); // three months
        trade(2, "lookupbuy", "100");
        endDay();
        trade(5, "lookupbuy", "50");
        const QString bobsMoney = QStringLiteral("Money - £%1").arg(g->s().money);
        find<QAction>(g->main, "SaveGame1")->trigger();
        QCOMPARE(lastMessage(), QStringLiteral("Game saved successfully."));

        const QString from = g->game->folder.path();
        auto next = std::make_unique<GameWindows>(GameWindows::NotStarted{});
        next->installNews();
        for (const char* f : {"savegame.shr", "savegame.ply", "savegame.sta", "autosave.shr",
                              "autosave.ply", "autosave.sta"})
            QVERIFY(QFile::copy(from + "/" + f, next->game->folder.path() + "/" + f));
        g = std::move(next);
        QVERIFY(g->startUp());
        g->main->show();

        // The autosave of Bob's purchase resumes on his turn, the purchase kept.
        find<QAction>(g->main, "ResumeGame1")->trigger();
        QCOMPARE(lastMessage(), QStringLiteral("Game resumed."));
        QCOMPARE(panel(2), QStringLiteral("User - Bob"));
        QCOMPARE(panel(0), bobsMoney);
        QCOMPARE(portfolio("name1"), shareName(5));

        find<QAction>(g->main, "LoadGame1")->trigger();
        QCOMPARE(lastMessage(), QStringLiteral("Game loaded successfully."));
        QCOMPARE(panel(2), QStringLiteral("User - Bob"));
        QCOMPARE(panel(0), bobsMoney);
        QCOMPARE(portfolio("name1"), shareName(5));
        QCOMPARE(find(g->newgame, "player1name")->text(), QStringLiteral("Ann"));
        QCOMPARE(find(g->newgame, "player2name")->text(), QStringLiteral("Bob"));
        QCOMPARE(find<QComboBox>(g->newgame, "playuntil")->currentIndex(), 1);
        QCOMPARE(std::pair(int(g->s().endday), int(g->s().endmonth)), std::pair(1, 4));

        endDay();
        QCOMPARE(lastMessage(), QStringLiteral("End of Bob's turn and today's trading."));
        QCOMPARE(panel(1), QStringLiteral("Date - 2nd January 1999"));
        QCOMPARE(panel(2), QStringLiteral("User - Ann"));
        QCOMPARE(portfolio("name1"), shareName(2));
    }

    // At the deadline the end-of-level window names the winner, with both players' worth and
    // profit, and no gold bar; Continue goes back to the new-game window.
    void theDeadlineShowsTheWinner() {
        startTwoPlayers(0); // one month
        g->s().day = 31;
        g->s().daycount = 31;
        g->s().money = 17000; // Ann
        endDay();
        endDay();
        QVERIFY(g->endgame->isVisible());
        QVERIFY(!g->main->isVisible());
        QCOMPARE(find(g->endgame, "endtext")->text(),
                 QStringLiteral("Ann wins by £2000!\nAnn: worth £17000, a profit of £2000\n"
                                "Bob: worth £15000, a profit of £0"));
        QCOMPARE(find(g->endgame, "best")->text(), QStringLiteral("A new best for two players!"));
        QVERIFY(find(g->endgame, "goldbars")->isHidden());
        QVERIFY(find(g->endgame, "Label2")->isHidden());
        const int bars = g->s().goldbarcount;
        find<QPushButton>(g->endgame, "button1")->click();
        QVERIFY(g->newgame->isVisible());
        QVERIFY(!g->endgame->isVisible());
        // A win between two players is no level won: the window stays as they set it.
        QLabel* heading = find(g->newgame, "level");
        QCOMPARE(heading->text(), QStringLiteral("Two players"));
        // The heading once ran past its label's edge: "Two-player gam".
        QVERIFY(heading->fontMetrics().horizontalAdvance(heading->text()) <=
                heading->contentsRect().width());
        QCOMPARE(int(g->s().goldbarcount), bars);
        QCOMPARE(int(g->s().levelswon), 0);
    }
};

QTEST_MAIN(TwoPlayerWindowTest)
#include "twoplayer_window_test.moc"
