// The new-game window as the player uses it: the default level, the modes, the gold-bar gate
// and Start with and without a name.

#include "windows/support/gamewindows.h"

#include "state/sharetable.h"

#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

#include <memory>

using namespace quotara;
using test::GameWindows;

namespace {

// A picture the player can see: not empty and of more than one colour.
bool drawn(const QImage& img) {
    if (img.isNull()) return false;
    const QRgb first = img.pixel(0, 0);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != first) return true;
    return false;
}

} // namespace

class NewGameWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GameWindows> g;

    template <class T = QLabel> T* find(const char* name) {
        return GameWindows::find<T>(g->newgame, name);
    }
    QString text(const char* label) { return find(label)->text(); }
    void clickLevel(int row) {
        auto* levels = find<QListWidget>("levels");
        const QRect r = levels->visualItemRect(levels->item(row));
        QTest::mouseClick(levels->viewport(), Qt::LeftButton, {}, r.center());
    }

  private slots:
    void init() {
        g = std::make_unique<GameWindows>();
        QVERIFY(g->started);
    }
    void cleanup() { g.reset(); }

    // Locked levels are greyed, and every level tells its money, target and deadline.
    void levelsShowWhatTheyAskAndWhichAreLocked() {
        g->newgame->show();
        auto* levels = find<QListWidget>("levels");
        QCOMPARE(levels->item(0)->toolTip(),
                 QStringLiteral("Start with £15,000; worth £15,001 by 1 February wins."));
        QVERIFY(levels->item(1)->toolTip().endsWith(QStringLiteral("Locked: needs 1 gold bar.")));
        QVERIFY(levels->item(1)->foreground().color() != levels->item(0)->foreground().color());
        g->s().goldbarcount = 1;
        g->newgame->hide();
        g->newgame->show();
        QVERIFY(!levels->item(1)->toolTip().contains(QStringLiteral("Locked")));
        QCOMPARE(levels->item(1)->foreground().color(), levels->item(0)->foreground().color());
    }

    // Created at start-up with the default configuration, which differs from row 0.
    void createdWithTheDefaultLevel() {
        Tnewgame* w = g->newgame;
        QCOMPARE(w->windowTitle(), QStringLiteral("New Game"));
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!w->isVisible());
        QCOMPARE(text("Label6"), QStringLiteral("0 goldbars"));
        QCOMPARE(text("target"), QStringLiteral("Make a profit of £1,000 within 1 month."));
        QCOMPARE(text("money"), QStringLiteral("£15,000"));
        auto* levels = find<QListWidget>("levels");
        QCOMPARE(levels->count(), 15);
        QCOMPARE(levels->item(0)->text(), QStringLiteral("Level 1 (0 bars)"));
        QCOMPARE(levels->item(14)->text(), QStringLiteral("Bonus Level (14 bars)"));
        QCOMPARE(levels->currentRow(), 0);
        QVERIFY(!find("sel1")->isHidden());
        QVERIFY(find("sel2")->isHidden());
        QVERIFY(find("sel3")->isHidden());
        for (const char* hidden : {"player1name", "player2name"})
            QVERIFY(find(hidden)->isHidden());
        QVERIFY(find<QPushButton>("browse")->isHidden());
        QVERIFY(drawn(find("Image1")->pixmap().toImage()));
        for (const char* mode : {"Image4", "Image3", "Image2"}) {
            auto* b = find<QToolButton>(mode);
            QVERIFY2(drawn(b->icon().pixmap(b->iconSize()).toImage()), mode);
        }
        QCOMPARE(g->s().money, 15000);
        QCOMPARE(g->s().startmoney, 15000);
        QCOMPARE(g->s().target, 16000);
        QCOMPARE(g->s().endday, 1);
        QCOMPARE(g->s().endmonth, 2);
    }

    // Too few bars: the refusal, then row 0 and the default configuration again.
    void levelRefusedWithoutGoldBars() {
        g->newgame->show();
        clickLevel(1);
        QCOMPARE(g->messages.log.back().text,
                 QStringLiteral("You do not have enough gold bars for this level"));
        QCOMPARE(g->messages.log.back().kind, Messages::Kind::Information);
        QCOMPARE(find<QListWidget>("levels")->currentRow(), 0);
        QCOMPARE(text("target"), QStringLiteral("Make a profit of £1,000 within 1 month."));
        QCOMPARE(g->s().target, 16000);
        QCOMPARE(g->s().money, 15000);

        // Level 1 itself is the row, not the default.
        clickLevel(0);
        QCOMPARE(text("target"), QStringLiteral("Make a profit within 1 month."));
        QCOMPARE(g->s().target, 15001);
    }

    // The arrow keys choose a level as a click does, locked ones refused alike, and Start
    // plays the level shown; the heading follows the row.
    void aLevelChosenByKeyboardIsTheOneStarted() {
        g->s().goldbarcount = 2;
        g->newgame->show();
        auto* levels = find<QListWidget>("levels");
        clickLevel(2);
        QCOMPARE(text("level"), QStringLiteral("Level 3"));
        QTest::keyClick(levels, Qt::Key_Up);
        QCOMPARE(levels->currentRow(), 1);
        QCOMPARE(text("level"), QStringLiteral("Level 2"));
        QCOMPARE(text("target"), QStringLiteral("Make £55,000 within 2 weeks."));
        g->startGame();
        QCOMPARE(g->s().target, 55000);
        QCOMPARE(g->s().endday, 15);

        g->newgame->show();
        const auto before = g->messages.log.size();
        for (int row = 2; row <= 5; ++row)
            QTest::keyClick(levels, Qt::Key_Down); // to Level 6, which needs 4 bars
        QCOMPARE(g->messages.log.size(), before + 1);
        QCOMPARE(g->messages.log.back().text,
                 QStringLiteral("You do not have enough gold bars for this level"));
        QCOMPARE(levels->currentRow(), 0);
        QCOMPARE(text("level"), QStringLiteral("Level 1"));
    }

    // Enter in the name box starts the game.
    void enterInTheNameStarts() {
        g->newgame->show();
        auto* field = find<QLineEdit>("playername");
        QTest::keyClicks(field, QStringLiteral("Ann"));
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(!g->newgame->isVisible());
        QCOMPARE(g->s().username.toQString(), QStringLiteral("Ann"));
    }

    void theNameThatOpensEveryLevel() {
        g->newgame->show();
        QTest::keyClicks(find<QLineEdit>("playername"), QStringLiteral("Petra Lund"));
        QCOMPARE(text("Label6"), QStringLiteral("15 goldbars"));
        QTest::keyClicks(find<QLineEdit>("playername"), QStringLiteral("x"));
        QCOMPARE(g->s().goldbarcount, 15);
        const auto before = g->messages.log.size();
        clickLevel(4);
        QCOMPARE(g->messages.log.size(), before);
        QCOMPARE(text("target"), QStringLiteral("Make a profit of £500 within 1 week."));
        QCOMPARE(text("money"), QStringLiteral("£15,000"));
        QCOMPARE(g->s().target, 15500);
        QCOMPARE(g->s().endday, 8);
        QCOMPARE(g->s().endmonth, 1);
    }

    // Free play, two players and back: markers, list and name field follow the mode; single
    // play keeps the free-play values.
    void modes() {
        g->newgame->show();
        find<QToolButton>("Image3")->click();
        QVERIFY(find("sel1")->isHidden());
        QVERIFY(!find("sel2")->isHidden());
        QVERIFY(find<QListWidget>("levels")->isHidden());
        QCOMPARE(text("target"), QStringLiteral("Play for as long as you like!"));
        QCOMPARE(text("level"), QStringLiteral("Free play"));
        QCOMPARE(g->s().endmonth, 0);

        find<QToolButton>("Image2")->click();
        QVERIFY(!find("sel3")->isHidden());
        QVERIFY(!find("Label4")->isEnabled());
        QVERIFY(!find<QLineEdit>("playername")->isEnabled());
        QVERIFY(!find<QPushButton>("browse")->isHidden());
        QVERIFY(!find("player1name")->isHidden());
        QCOMPARE(text("target"), QStringLiteral("Play a two player-game of Quotara!"));
        QCOMPARE(g->s().twoplayer, 1);

        QVERIFY(!find<QComboBox>("playuntil")->isHidden());
        // Start wants both names first, and changes nothing.
        g->s().shares[0].price = 1;
        find<QPushButton>("Button1")->click();
        QCOMPARE(g->messages.log.back().text,
                 QStringLiteral("Please input names for player 1 and 2 by pressing 'Edit names.'"));
        QVERIFY(g->newgame->isVisible());
        QCOMPARE(g->s().shares[0].price, 1);

        // Edit names opens the player details for both names, which then show here.
        find<QPushButton>("browse")->click();
        QVERIFY(g->players->isVisible());
        QVERIFY(g->players->namesrole());
        QTest::keyClicks(GameWindows::find<QLineEdit>(g->players, "player1name"), "Ann");
        QTest::keyClicks(GameWindows::find<QLineEdit>(g->players, "player2name"), "Bob");
        GameWindows::find<QPushButton>(g->players, "BitBtn1")->click();
        QVERIFY(!g->players->isVisible());
        QCOMPARE(text("player1name"), QStringLiteral("Ann"));
        QCOMPARE(text("player2name"), QStringLiteral("Bob"));

        find<QToolButton>("Image4")->click();
        QVERIFY(!find("sel1")->isHidden());
        QVERIFY(find("sel3")->isHidden());
        QVERIFY(!find<QListWidget>("levels")->isHidden());
        QVERIFY(find<QPushButton>("browse")->isHidden());
        QVERIFY(find<QComboBox>("playuntil")->isHidden());
        QVERIFY(find<QLineEdit>("playername")->isEnabled());
        QCOMPARE(g->s().twoplayer, 0);
        QCOMPARE(g->s().target, 0);
        // The heading names what Start plays until a level is chosen.
        QCOMPARE(text("level"), QStringLiteral("Free play"));
        clickLevel(0);
        QCOMPARE(text("level"), QStringLiteral("Level 1"));
        QCOMPARE(g->s().target, 15001);
    }

    // Without a name the window stays, yet the market is reset.
    void startWithoutAName() {
        g->startGame(QString());
        QCOMPARE(g->messages.log.back().text, QStringLiteral("Please type in a player name."));
        QCOMPARE(g->messages.log.back().kind, Messages::Kind::Information);
        QVERIFY(g->newgame->isVisible());
        auto* pages = GameWindows::find<QTabWidget>(g->main, "PageControl1");
        QVERIFY(pages->isHidden());
        QVERIFY(GameWindows::find<QPushButton>(g->main, "Button1")->isHidden());
    }

    // A Start refused for a missing name leaves the running game whole: holdings, their
    // cost, prices and the date.
    void refusedStartKeepsTheRunningGame() {
        g->startGame();
        GameWindows::find<QPushButton>(g->main, "Button1")->click();
        GameWindows::find<QPushButton>(g->main, "Button1")->click();
        g->s().shares[0].owned = 10;
        g->s().shares[0].cost = 113;
        const auto price = g->s().shares[0].price;
        QCOMPARE(g->s().day, 3);
        g->startGame(QString());
        QCOMPARE(g->messages.log.back().text, QStringLiteral("Please type in a player name."));
        QCOMPARE(g->s().shares[0].owned, 10);
        QCOMPARE(g->s().shares[0].cost, 113);
        QCOMPARE(g->s().shares[0].price, price);
        QCOMPARE(g->s().day, 3);
        QVERIFY(g->main->isVisible());
    }

    // Clicking a mode or a level mid-game changes the window, not the game, until Start.
    void choicesDuringAGameWaitForStart() {
        g->startGame();
        g->s().money = 14886;
        g->newgame->show();
        find<QToolButton>("Image3")->click(); // Free play
        QCOMPARE(text("target"), QStringLiteral("Play for as long as you like!"));
        g->newgame->close();
        QCOMPARE(g->s().money, 14886);
        QCOMPARE(g->s().target, 16000);
        QCOMPARE(g->s().endmonth, 2);

        g->newgame->show();
        clickLevel(0);
        QCOMPARE(g->s().money, 14886);
        g->startGame();
        QCOMPARE(g->s().money, 15000);
        QCOMPARE(g->s().target, 15001);
    }

    // A new game with the same level highlighted begins with the level's money, not with the
    // cash the last game left, also after a lost level's Continue.
    void startBeginsWithTheShownLevelsMoney() {
        g->newgame->show();
        clickLevel(0);
        g->startGame();
        g->buysell->open(TradeMode::Buy, 0);
        GameWindows::find<QLineEdit>(g->buysell, "noshares")->setText(QStringLiteral("100"));
        GameWindows::find<QPushButton>(g->buysell, "button1")->click();
        QVERIFY(g->s().money < 15000);
        g->startGame();
        QCOMPARE(g->s().money, 15000);

        g->s().money = 267;
        while (!g->endgame->isVisible())
            GameWindows::find<QPushButton>(g->main, "Button1")->click();
        GameWindows::find<QPushButton>(g->endgame, "button1")->click(); // Continue
        find<QPushButton>("Button1")->click();
        QCOMPARE(g->s().money, 15000);
    }

    // Start puts the names window away, as Load does.
    void startClosesThePlayerDetails() {
        g->newgame->show();
        find<QToolButton>("Image2")->click();
        find<QPushButton>("browse")->click();
        QVERIFY(g->players->isVisible());
        find<QToolButton>("Image4")->click();
        g->startGame();
        QVERIFY(g->main->isVisible());
        QVERIFY(!g->players->isVisible());
    }

    // Beside the main window it simply closes, by its close box or by Escape; after Continue
    // it is the only window up, so closing it asks first.
    void closingTheOnlyWindowAsks() {
        g->newgame->show();
        const auto asked = g->messages.log.size();
        QVERIFY(g->newgame->close());
        QCOMPARE(g->messages.log.size(), asked);
        g->newgame->show();
        QVERIFY(QTest::qWaitForWindowActive(g->newgame));
        QTest::keyClick(find<QLineEdit>("playername"), Qt::Key_Escape);
        QVERIFY(!g->newgame->isVisible());
        QCOMPARE(g->messages.log.size(), asked);

        g->startGame();
        g->s().endday = 2;
        g->s().endmonth = 1;
        GameWindows::find<QPushButton>(g->main, "Button1")->click();
        GameWindows::find<QPushButton>(g->endgame, "button1")->click(); // Continue
        QVERIFY(g->newgame->isVisible());
        QSignalSpy quit(g->newgame, &Tnewgame::quitRequested);
        g->messages.answers = {false};
        QVERIFY(!g->newgame->close());
        QCOMPARE(g->messages.log.back().text,
                 QStringLiteral("Are you sure you want to quit Quotara?"));
        QVERIFY(g->newgame->isVisible());
        QCOMPARE(quit.count(), 0);
        QVERIFY(g->newgame->close()); // Yes
        QCOMPARE(quit.count(), 1);
    }

    // Start shows the game: pages on Share Lookup, status bar with the name cut to 20
    // characters, End Day and the ticker; this window goes.
    void startWithAName() {
        g->s().shares[3].owned = 40;
        g->startGame(QStringLiteral("Annabel Longname-Smyth"));
        QVERIFY(!g->newgame->isVisible());
        QVERIFY(g->main->isVisible());
        QVERIFY(g->ticker->isVisible());
        QCOMPARE(g->s().username.toQString(), QStringLiteral("Annabel Longname-Smy"));
        QCOMPARE(g->main->statusPanel(2)->text(), QStringLiteral("User - Annabel Longname-Smy"));
        auto* pages = GameWindows::find<QTabWidget>(g->main, "PageControl1");
        QVERIFY(pages->isVisible());
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
        QVERIFY(GameWindows::find<QStatusBar>(g->main, "status")->isVisible());
        QVERIFY(GameWindows::find<QPushButton>(g->main, "Button1")->isVisible());
        QCOMPARE(g->s().shares[3].owned, 0);
        QCOMPARE(g->s().daycount, 1);
        QCOMPARE(g->s().shares[0].history[1], kBuiltinShares[0].price);
        // The portfolio shows the reset holdings.
        QCOMPARE(g->onPage("TabSheet6", "portfoliototal")->text(), QStringLiteral("£15000"));
    }

    // The count shown follows a bar won since the window was last open.
    void goldBarsRefreshedWhenShownAgain() {
        g->s().goldbarcount = 3;
        g->newgame->show();
        QCOMPARE(text("Label6"), QStringLiteral("3 goldbars"));
    }
};

QTEST_MAIN(NewGameWindowTest)
#include "newgame_window_test.moc"
