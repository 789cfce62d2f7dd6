// The trade dialog as the player uses it: opened from the Share Lookup page, a purchase and a
// sale typed into the real controls, a quantity that is not a number, Cancel and Escape.

#include "trading/spread.h"
#include "windows/support/gamewindows.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <memory>

using namespace quotara;
using test::GameWindows;

class BuysellWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<GameWindows> g;

    template <class T = QLabel> T* find(const char* name) {
        return GameWindows::find<T>(g->buysell, name);
    }
    QString text(const char* label) { return find(label)->text(); }
    template <class T = QLabel> T* onMain(const char* name) {
        return GameWindows::find<T>(g->main, name);
    }
    void select(int share) { onMain<QComboBox>("name")->setCurrentIndex(share); }
    // Types a quantity over whatever the field holds and presses OK with the Enter key.
    void typeAndEnter(const QString& quantity) {
        auto* field = find<QLineEdit>("noshares");
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, quantity);
        QTest::keyClick(field, Qt::Key_Return);
    }
    const Tshare& share(int i) { return g->s().shares[i]; }

  private slots:
    void init() {
        g = std::make_unique<GameWindows>();
        QVERIFY(g->started);
        g->startGame();
        QVERIFY(g->main->isVisible());
    }
    void cleanup() { g.reset(); }

    // On top and not modal, so the pages stay usable; Enter is OK; the 16 and 19 pixel faces
    // survive the form's point sizes.
    void theDialog() {
        Tbuysell* w = g->buysell;
        QCOMPARE(w->size(), QSize(351, 185));
        QVERIFY(!w->isModal());
        QVERIFY(w->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(w->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(find<QPushButton>("button1")->isDefault());
        QCOMPARE(find("Label4")->buddy(), find<QLineEdit>("noshares"));
        QCOMPARE(find("name")->font().pixelSize(), 19);
        QCOMPARE(find("owned")->font().pixelSize(), 16);
        onMain<QPushButton>("lookupbuy")->click();
        QVERIFY(w->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr); // the main window still works
    }

    // The quantity field takes the value place of the fifth line; a figure wider than its
    // place at the dialog's edge is drawn smaller rather than cut.
    void figuresStayInsideTheDialog() {
        QCOMPARE(find<QLineEdit>("noshares")->geometry().topLeft(), QPoint(264, 120));
        QCOMPARE(find<QLineEdit>("noshares")->width(), 73);
        g->s().money = 1000000;
        select(7); // Br Steel at 102p: 980392 shares
        onMain<QPushButton>("lookupbuy")->click();
        QLabel* afford = find("afford");
        QCOMPARE(afford->text(), QStringLiteral("980392 shares"));
        QCOMPARE(afford->x() + afford->width(), 351);
        QVERIFY(QFontMetrics(afford->font()).horizontalAdvance(afford->text()) <= afford->width());
        QCOMPARE(find("owned")->font().pixelSize(), 16);
    }

    // A player's name of twenty letters once shrank the question to 8 pixels and still cut
    // it off: the name gives way, and the question is read whole.
    void aLongNameLeavesTheQuestionWhole() {
        const int formPixels = QFontInfo(find("Label4")->font()).pixelSize();
        g->s().twoplayer = 1;
        g->s().player = 2;
        g->s().p2name.assign(QStringLiteral("Bartholomew Fielding"));
        onMain<QPushButton>("lookupbuy")->click();
        QLabel* question = find("Label4");
        QVERIFY2(question->text().endsWith(", how many shares would you like to buy?"),
                 qPrintable(question->text()));
        QVERIFY(question->text().startsWith("Bart"));
        QVERIFY(question->font().pixelSize() >= formPixels * 3 / 4);
        QVERIFY(QFontMetrics(question->font()).horizontalAdvance(question->text()) <=
                question->contentsRect().width());
        QCOMPARE(question->accessibleName(),
                 "Bartholomew Fielding, how many shares would you like to buy?");
    }

    // Buy 100 Br Steel at 102p (101p and a 1p spread), then sell 40 of them at 100p; the
    // dialog hides after each and the Share Lookup page and the portfolio follow.
    void purchaseThenSale() {
        select(7);
        onMain<QPushButton>("lookupbuy")->click();
        QVERIFY(g->buysell->isVisible());
        QCOMPARE(g->buysell->windowTitle(), QStringLiteral("Buy shares"));
        QCOMPARE(text("name"), QStringLiteral("Br Steel"));
        QCOMPARE(text("owned"), QStringLiteral("0 shares"));
        QCOMPARE(text("price"), QStringLiteral("102p"));
        QCOMPARE(text("playermoney"), QStringLiteral("£15000"));
        QCOMPARE(text("Label5"), QStringLiteral("You can afford :"));
        QCOMPARE(text("afford"), QStringLiteral("14705 shares"));
        QCOMPARE(find<QPushButton>("button1")->text(), QStringLiteral("Buy"));
        QCOMPARE(text("Label4"), QStringLiteral("How many shares would you like to buy?"));
        QCOMPARE(g->buysell->focusWidget(), find<QLineEdit>("noshares"));

        typeAndEnter(QStringLiteral("100"));
        QCOMPARE(g->messages.log.back().text, QStringLiteral("The shares cost £102"));
        QVERIFY(!g->buysell->isVisible());
        QCOMPARE(share(7).owned, 100);
        QCOMPARE(share(7).cost, 102);
        QCOMPARE(g->s().money, 14898);
        QCOMPARE(onMain("lookupowned")->text(), QStringLiteral("100 shares"));
        QCOMPARE(g->onPage("TabSheet6", "name1")->text(), QStringLiteral("Br Steel"));
        g->onPage("TabSheet1", "lookupowned");

        onMain<QPushButton>("lookupsell")->click();
        QVERIFY(g->buysell->isVisible());
        QCOMPARE(g->buysell->windowTitle(), QStringLiteral("Sell shares"));
        QCOMPARE(text("owned"), QStringLiteral("100 shares"));
        QCOMPARE(text("price"), QStringLiteral("100p"));
        QCOMPARE(text("playermoney"), QStringLiteral("£14898"));
        QCOMPARE(text("Label5"), QStringLiteral("This will generate :"));
        QCOMPARE(text("afford"), QStringLiteral("£100"));
        QCOMPARE(find<QPushButton>("button1")->text(), QStringLiteral("Sell"));
        QCOMPARE(text("Label4"), QStringLiteral("How many shares would you like to sell?"));
        // The other mode does not offer the number typed for a purchase.
        QCOMPARE(find<QLineEdit>("noshares")->text(), QString());

        typeAndEnter(QStringLiteral("40"));
        QCOMPARE(g->messages.log.back().text, QStringLiteral("You now have £14938 in the bank."));
        QVERIFY(!g->buysell->isVisible());
        QCOMPARE(share(7).owned, 60);
        QCOMPARE(share(7).cost, 61); // 102 - Round(40 x 1.02)
        QCOMPARE(onMain("lookupowned")->text(), QStringLiteral("60 shares"));
        QCOMPARE(g->onPage("TabSheet6", "owned1")->text(), QStringLiteral("60"));
    }

    // Not a number: the conversion message with the text as typed, nothing changes and the
    // dialog stays. A refusal leaves it open too.
    void badQuantity() {
        select(0);
        onMain<QPushButton>("lookupbuy")->click();
        const auto money = g->s().money;
        for (const QString& typed : {QStringLiteral("12.5"), QStringLiteral("12 "), QString()}) {
            typeAndEnter(typed);
            QCOMPARE(g->messages.log.back().text,
                     QStringLiteral("'%1' is not a valid integer value").arg(typed));
            QVERIFY(g->buysell->isVisible());
            QCOMPARE(find<QLineEdit>("noshares")->text(), typed);
        }
        typeAndEnter(QStringLiteral("0"));
        QCOMPARE(g->messages.log.back().text,
                 QStringLiteral("It is necessary to buy a positive number of shares!"));
        typeAndEnter(QStringLiteral("1311")); // 1310 at 1145p
        QCOMPARE(g->messages.log.back().text, QStringLiteral("You can't afford that many shares!"));
        QVERIFY(g->buysell->isVisible());
        QCOMPARE(g->s().money, money);
        QCOMPARE(share(0).owned, 0);

        // A hexadecimal quantity is a number.
        typeAndEnter(QStringLiteral("$C"));
        QCOMPARE(share(0).owned, 12);
    }

    // The share traded is the one selected when OK is pressed, at its own price.
    // Choosing another share on the lookup page while the dialog is open must not change
    // what OK buys: the dialog still names the share it was opened for.
    void okTradesTheShareTheDialogShows() {
        select(7); // Br Steel, 101p + 1p
        onMain<QPushButton>("lookupbuy")->click();
        select(9);
        QCOMPARE(find("name")->text(), QStringLiteral("Br Steel"));
        typeAndEnter(QStringLiteral("10"));
        QCOMPARE(share(7).owned, 10);
        QCOMPARE(share(9).owned, 0);
        QCOMPARE(g->messages.log.back().text, QStringLiteral("The shares cost £10"));
    }

    // An End Day while the dialog is open brings its price up to the new day before OK.
    void endDayWhileOpenRefreshesTheFigures() {
        select(0);
        onMain<QPushButton>("lookupbuy")->click();
        QCOMPARE(find("price")->text(), QStringLiteral("1145p")); // 1134p + 11p
        onMain<QPushButton>("Button1")->click();
        const Tshare& abbey = share(0);
        QCOMPARE(find("price")->text(), QString::number(abbey.price + spread(abbey.price)) + "p");
        typeAndEnter(QStringLiteral("1"));
        QCOMPARE(abbey.owned, 1);
        QCOMPARE(abbey.cost, (abbey.price + spread(abbey.price) + 50) / 100);
    }

    // The number typed stays for the same share and mode only; in sell mode "This will
    // generate" follows it as it is typed, back to the whole holding when it is no sale.
    void aQuantityBelongsToItsShareAndModeAndTheProceedsFollowIt() {
        g->s().shares[7].owned = 100; // Br Steel, sold at 100p
        select(7);
        g->main->lookupsel();
        onMain<QPushButton>("lookupsell")->click();
        auto* field = find<QLineEdit>("noshares");
        QCOMPARE(text("afford"), QStringLiteral("£100"));
        QTest::keyClicks(field, "25");
        QCOMPARE(text("afford"), QStringLiteral("£25"));
        QTest::keyClicks(field, "0"); // 250: more than is held
        QCOMPARE(text("afford"), QStringLiteral("£100"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClick(field, Qt::Key_Escape);
        onMain<QPushButton>("lookupsell")->click();
        QCOMPARE(field->text(), QStringLiteral("25"));
        QCOMPARE(text("afford"), QStringLiteral("£25"));
        QTest::keyClick(field, Qt::Key_Escape);
        select(9);
        onMain<QPushButton>("lookupbuy")->click();
        QCOMPARE(field->text(), QString());
    }

    // Alt and the underlined letter press the Share Lookup page's buttons.
    void theLookupButtonsAnswerToAltKeys() {
        g->main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g->main));
        QTest::keyClick(g->main, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(g->buysell->isVisible()); // the button shows itself pressed first
        QCOMPARE(g->buysell->windowTitle(), QStringLiteral("Buy shares"));
        g->buysell->hide();
        g->main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g->main));
        QTest::keyClick(g->main, Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(g->graph->isVisible());
    }

    void cancelAndEscapeChangeNothing() {
        onMain<QPushButton>("lookupbuy")->click();
        find<QLineEdit>("noshares")->setText(QStringLiteral("5"));
        find<QPushButton>("button2")->click();
        QVERIFY(!g->buysell->isVisible());
        onMain<QPushButton>("lookupbuy")->click();
        QTest::keyClick(find<QLineEdit>("noshares"), Qt::Key_Escape);
        QVERIFY(!g->buysell->isVisible());
        QCOMPARE(share(0).owned, 0);
        QCOMPARE(g->s().money, 15000);
        QCOMPARE(g->messages.log.size(), std::size_t(1)); // the disclaimer only
    }
};

QTEST_MAIN(BuysellWindowTest)
#include "buysell_window_test.moc"
