// Playing without the mouse or the eyes: every control a player can reach is named for a
// screen reader, figures are read with their captions, the ticker and the graph tell what
// they show, and a level is played by keys alone.

#include "play/endofday.h"
#include "windows/components/look.h"
#include "windows/components/readers.h"
#include "windows/components/tbanner.h"
#include "windows/components/ttipoftheday.h"
#include "windows/components/ttipofthedayform.h"
#include "windows/support/gamewindows.h"
#include "windows/trading/worthgraphview.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include <functional>
#include <memory>

using namespace quotara;

namespace {

bool interactive(QAccessibleInterface* i) {
    switch (i->role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::ScrollBar:
    case QAccessible::PageTab:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::List:
    case QAccessible::ListItem:
        return true;
    default:
        return i->state().focusable;
    }
}

// Every control a reader would offer in the window (shown) and has no name for.
QStringList unnamedIn(QWidget* window) {
    QStringList found;
    std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* i, int depth) {
        if (!i || depth > 40 || i->state().invisible) return;
        if (interactive(i) && i->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject* o = i->object();
            found << window->objectName() + QLatin1Char('/') +
                         (o ? o->objectName() + QLatin1Char(' ') + o->metaObject()->className()
                            : QStringLiteral("item")) +
                         QStringLiteral(" role %1").arg(int(i->role()));
        }
        for (int c = 0; c < i->childCount(); ++c)
            walk(i->child(c), depth + 1);
    };
    walk(QAccessible::queryAccessibleInterface(window), 0);
    return found;
}

QWidget* focused() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    return QApplication::focusWidget();
}

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* w = focused();
    QVERIFY2(w, "no focus");
    QTest::keyClick(w, Qt::Key(key), modifiers);
}

// Tab until the focus is on target; false when it never comes.
bool tabTo(QWidget* target) {
    for (int i = 0; i < 40 && focused() != target; ++i)
        QTest::keyClick(focused(), Qt::Key_Tab);
    return focused() == target;
}

void activate(QWidget* window) {
    // What the window manager does when the window in front goes away.
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

} // namespace

class AccessTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::GameWindows> g;
    template <class T = QLabel> T* find(QWidget* window, const char* name) {
        return test::GameWindows::find<T>(window, name);
    }
    GameState& s() { return g->s(); }
    void startGame() {
        QCOMPARE(g->session().start({QStringLiteral("Ann"), {}, {}}), StartOutcome::Started);
    }

  private slots:
    void init() {
        // As with a screen reader listening from the start: the forms' first texts are read
        // before the windows are finished.
        QAccessible::setActive(true);
        g = std::make_unique<test::GameWindows>();
        QVERIFY(g->started);
    }
    void cleanup() { g.reset(); }

    // No window or page offers a reader a control without a name.
    void everyControlIsNamed() {
        startGame();
        QStringList unnamed;
        auto* pages = find<QTabWidget>(g->main, "PageControl1");
        for (int i = 0; i < pages->count(); ++i) {
            if (!pages->isTabVisible(i)) continue;
            pages->setCurrentIndex(i);
            unnamed << unnamedIn(g->main);
        }
        g->main->findChild<QAction*>("GameEditor1")->trigger();
        unnamed << unnamedIn(g->main);
        g->main->findChild<QAction*>("GameEditor1")->trigger();

        g->buysell->open(TradeMode::Buy, 0);
        g->newgame->show();
        g->about->showBox();
        g->players->showRole(true);
        g->datafiles->showWindow();
        g->ticker->show();
        g->help->showTopic(1);
        g->graph->open();
        g->endgame->showVerdict(LevelVerdict{});
        g->performance->openBeside(*g->main);
        QWidget* tips = g->main->TipOfTheDay1->form();
        tips->show();
        for (QWidget* w : std::initializer_list<QWidget*>{
                 g->buysell, g->newgame, g->about, g->players, g->datafiles, g->ticker, g->help,
                 g->graph, g->endgame, g->performance, tips})
            unnamed << unnamedIn(w);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
        // A picture that does nothing is left out, not named.
        QAccessibleInterface* picture =
            QAccessible::queryAccessibleInterface(find<QWidget>(g->main, "BitBtn5"));
        QVERIFY(picture->state().invisible);
    }

    // A figure is read with its caption, and stays so as it changes.
    void figuresReadWithTheirCaptions() {
        startGame();
        auto* price = find(g->main, "Lookupprice");
        QCOMPARE(readerName(price), QStringLiteral("Share Price: ") + price->text());
        QVERIFY(price->text().endsWith(QLatin1Char('p')));
        // A page's figures are read with the page in front, where they are today's.
        QCOMPARE(readerName(g->onPage("TabSheet6", "portfoliototal")),
                 QStringLiteral("Overall portfolio value: £15000"));
        QCOMPARE(readerName(find(g->main, "profit1")), QStringLiteral("Gain"));
        QLabel* prices1 = g->onPage("TabSheet2", "prices1");
        QCOMPARE(readerName(prices1),
                 find(g->main, "Pricesname1")->text() + ": " + prices1->text());
        // Read with its company, whose "&" still shows as an "&": no buddy makes it a shortcut.
        QLabel* prices2 = g->onPage("TabSheet2", "prices2");
        QCOMPARE(readerName(prices2), QStringLiteral("Alliance & Leicester: ") + prices2->text());
        QCOMPARE(find(g->main, "pricesname2")->buddy(), nullptr);
        // The bus has the labelled-by relation too.
        const auto relations =
            QAccessible::queryAccessibleInterface(price)->relations(QAccessible::Label);
        QCOMPARE(relations.size(), 1);
        QCOMPARE(relations.first().first->object()->objectName(), QStringLiteral("lookuppricecap"));
        // The trade dialog's caption changes with the mode; what is read follows it.
        s().shares[0].owned = 10;
        g->buysell->open(TradeMode::Sell, 0);
        QVERIFY(readerName(find(g->buysell, "afford")).startsWith("This will generate: "));
    }

    // The Game Editor's fields go by their captions, the headline's by its item's number.
    void editorFieldsNamedByCaptions() {
        startGame();
        g->main->findChild<QAction*>("GameEditor1")->trigger();
        auto* news = find<QWidget>(g->main, "news");
        QCOMPARE(readerName(news), QStringLiteral("News item number 1"));
        QCOMPARE(find<QWidget>(g->main, "ftseaffect")->accessibleName(),
                 QStringLiteral("FTSE affect factor"));
        QCOMPARE(find<QWidget>(g->main, "spec")->accessibleName(),
                 QStringLiteral("Special Number"));
        find<QPushButton>(g->main, "BitBtn1")->click(); // Next
        QCOMPARE(readerName(news), QStringLiteral("News item number 2"));
    }

    // The ticker's headlines are what a reader hears of it, one to a line; with none, its
    // name. (That the bus hears of each change needs a bus: offscreen, Qt sends no events.)
    void tickerTellsItsHeadlines() {
        QAccessibleInterface* banner = QAccessible::queryAccessibleInterface(g->ticker->banner());
        QCOMPARE(banner->text(QAccessible::Name), QStringLiteral("News headlines"));
        g->ticker->setText(QStringLiteral("Shares up     Rates down          Jobs up"));
        QCOMPARE(banner->text(QAccessible::Name), QStringLiteral("Shares up\nRates down\nJobs up"));
        g->ticker->setText(QStringLiteral("          "));
        QCOMPARE(banner->text(QAccessible::Name), QStringLiteral("News headlines"));
    }

    // The arrow keys choose a level as a click does; a locked one is refused as a click is.
    void levelChosenByArrows() {
        s().goldbarcount = 1;
        g->newgame->show();
        activate(g->newgame);
        QVERIFY(tabTo(find<QWidget>(g->newgame, "levels")));
        press(Qt::Key_Down);
        QCOMPARE(find(g->newgame, "target")->text(),
                 QStringLiteral("Make £55,000 within 2 weeks."));
        press(Qt::Key_Down);
        press(Qt::Key_Down); // Level 4 needs two bars
        QCOMPARE(g->messages.texts().last(),
                 QStringLiteral("You do not have enough gold bars for this level"));
        QCOMPARE(find<QListWidget>(g->newgame, "levels")->currentRow(), 0);
    }

    // A held share's name is told by more than its blue: underlined, and described.
    void heldShareNotByColourAlone() {
        startGame();
        s().shares[2].owned = 5;
        g->main->dataload();
        QLabel* held = g->onPage("TabSheet2", "pricesname3");
        QLabel* other = find(g->main, "pricesname4");
        QVERIFY(held->font().underline() && !other->font().underline());
        QCOMPARE(held->accessibleDescription(), QStringLiteral("You hold shares in this company"));
        QVERIFY(other->accessibleDescription().isEmpty());
        s().shares[2].owned = 0; // sold: the sign goes with the colour
        g->main->dataload();
        QVERIFY(!held->font().underline());
    }

    // The Performance window's graph is stepped through by arrows too, each day told.
    void worthGraphByArrows() {
        startGame();
        for (int day = 0; day < 3; ++day)
            g->main->endofday();
        g->performance->openBeside(*g->main);
        activate(g->performance);
        auto* view = find<WorthGraphView>(g->performance, "worthGraph");
        QVERIFY(tabTo(view));
        const auto& days = s().record.days;
        QVERIFY(days.size() >= 3);
        press(Qt::Key_End);
        press(Qt::Key_Left);
        QCOMPARE(view->markedDay(), int(days.size()) - 2);
        QCOMPARE(view->accessibleName(), worthDayText(days[days.size() - 2]));
    }

    // A level by keys alone: five End Days, a purchase from the Share Lookup page and a sale
    // from the Share Prices page's menu, then the graph stepped through by arrows.
    void playedByKeysAlone() {
        g->newgame->show();
        activate(g->newgame);
        QTest::keyClicks(focused(), QStringLiteral("Ann"));
        QVERIFY(tabTo(find<QWidget>(g->newgame, "Button1")));
        press(Qt::Key_Space);
        // Start hands the keyboard to the game, not to the ticker that comes up with it.
        QVERIFY(QTest::qWaitForWindowActive(g->main));
        for (int day = 0; day < 5; ++day)
            press(Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(s().day, 6);

        auto* pages = find<QTabWidget>(g->main, "PageControl1");
        while (pages->currentWidget()->objectName() != QLatin1String("TabSheet1"))
            press(Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(tabTo(find<QWidget>(g->main, "lookupbuy")));
        press(Qt::Key_Space);
        QVERIFY(g->buysell->isVisible());
        activate(g->buysell);
        QTest::keyClicks(focused(), QStringLiteral("10"));
        press(Qt::Key_Return);
        QVERIFY(!g->buysell->isVisible());
        QCOMPARE(int(s().shares[0].owned), 10);
        // The dialog hands the keyboard back to the main window: no mouse needed.
        QVERIFY(QTest::qWaitForWindowActive(g->main));
        press(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
        QVERIFY(tabTo(find<QWidget>(g->main, "Pricesname1")));
        press(Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(g->main->popupMenu()->isVisible());
        press(Qt::Key_Down);
        press(Qt::Key_Down); // Sell: enabled, a share is held
        press(Qt::Key_Return);
        QVERIFY(g->buysell->isVisible());
        QCOMPARE(g->buysell->windowTitle(), QStringLiteral("Sell shares"));
        activate(g->buysell);
        QTest::keyClicks(focused(), QStringLiteral("4"));
        press(Qt::Key_Return);
        QCOMPARE(int(s().shares[0].owned), 6);
        QVERIFY(QTest::qWaitForWindowActive(g->main));
        press(Qt::Key_Tab, Qt::ControlModifier);
        press(Qt::Key_Tab, Qt::ControlModifier);
        press(Qt::Key_Tab, Qt::ControlModifier);
        press(Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
        QVERIFY(tabTo(find<QWidget>(g->main, "BitBtn4")));
        press(Qt::Key_Space);
        QVERIFY(g->graph->isVisible());
        activate(g->graph);
        QVERIFY(tabTo(g->graph->curve()));
        press(Qt::Key_End);
        QCOMPARE(g->graph->markedDay(), 6);
        press(Qt::Key_Left);
        QCOMPARE(g->graph->markedDay(), 5);
        const QString told =
            QAccessible::queryAccessibleInterface(g->graph->curve())->text(QAccessible::Name);
        QVERIFY2(told.startsWith(s().shares[0].name.toQString() + ", 5th January 1999: "),
                 qPrintable(told));
        QCOMPARE(QToolTip::text(), told);
        QVERIFY(QAccessible::queryAccessibleInterface(g->graph->curve())
                    ->text(QAccessible::Description)
                    .contains(QStringLiteral("lowest")));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    applyLook(app);
    AccessTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "access_test.moc"
