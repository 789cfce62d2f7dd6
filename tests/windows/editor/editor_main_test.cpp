// The Game Editor in the main window: Options > Game Editor, what the page does to the game,
// and Options > Datafiles.

#include "state/helptopics.h"
#include "windows/editor/tdatafiles.h"
#include "windows/support/gamewindows.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextBrowser>

using namespace quotara;

class EditorMainTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::GameWindows> g;

    template <class T = QLabel> T* find(const char* name) {
        return test::GameWindows::find<T>(g->main, name);
    }
    QTabWidget* pages() { return find<QTabWidget>("PageControl1"); }
    void toggle() { find<QAction>("GameEditor1")->trigger(); }
    QStringList visibleTabs() {
        QStringList out;
        for (int i = 0; i < pages()->count(); ++i)
            if (pages()->isTabVisible(i)) out << pages()->widget(i)->objectName();
        return out;
    }
    const QStringList gameTabs{"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet6"};

  private slots:
    void init() {
        g = std::make_unique<test::GameWindows>();
        QVERIFY(g->started);
        g->messages.log.clear();
    }
    void cleanup() { g.reset(); }

    void theEditorNeedsAGame() {
        toggle();
        QCOMPARE(g->messages.texts(), QStringList({"You must start a new game first!"}));
        QCOMPARE(g->messages.log[0].kind, Messages::Kind::Plain);
        QVERIFY(pages()->isHidden());
        QVERIFY(visibleTabs().isEmpty());
    }

    // The editor and the game pages take turns; End Day is away while editing.
    void gameEditorTogglesWithTheGamePages() {
        g->startGame();
        auto* endDay = find<QPushButton>("Button1");
        pages()->setCurrentWidget(find<QWidget>("TabSheet3"));
        toggle();
        QCOMPARE(visibleTabs(), QStringList({"TabSheet5"}));
        QCOMPARE(pages()->currentWidget()->objectName(), "TabSheet5");
        QVERIFY(endDay->isHidden());
        QCOMPARE(find("Label24")->text(), "News item number 1 :");

        // Switching the editor on again starts at item 1.
        find<QPushButton>("BitBtn1")->click();
        QCOMPARE(find("Label24")->text(), "News item number 2 :");
        toggle();
        QCOMPARE(visibleTabs(), gameTabs);
        QCOMPARE(pages()->currentWidget()->objectName(), "TabSheet1");
        QVERIFY(endDay->isVisible());
        toggle();
        QCOMPARE(find("Label24")->text(), "News item number 1 :");
        QVERIFY(g->messages.log.empty());

        // A new game started while editing starts on the game pages.
        g->startGame(QStringLiteral("Bob"));
        QCOMPARE(visibleTabs(), gameTabs);
        QVERIFY(endDay->isVisible());
    }

    // After "Load shares data" the pages show the loaded figures, not the ones from before.
    void loadedSharesShowAtOnce() {
        g->startGame();
        toggle();
        g->s().shares[0].price = 1234;
        find<QPushButton>("Button2")->click();
        g->s().shares[0].price = 99;
        find<QPushButton>("Button3")->click();
        QVERIFY(g->messages.log.empty());
        QCOMPARE(g->s().shares[0].price, 1234);
        toggle(); // back to the game's pages
        QCOMPARE(g->onPage("TabSheet1", "Lookupprice")->text(), "1234p");
        QCOMPARE(g->onPage("TabSheet2", "prices1")->text(), "1234");
    }

    void editorHelpOpensItsPage() {
        g->startGame();
        toggle();
        find<QPushButton>("BitBtn3")->click();
        QVERIFY(g->help->isVisible());
        QCOMPARE(g->help->browser()->source(), helpUrlForContext(kHelpGameEditor));
    }

    // The Data files window can be opened at any time and stays one window.
    void datafilesOpensTheWindow() {
        find<QAction>("Datafiles1")->trigger();
        QVERIFY(g->datafiles->isVisible());
        QVERIFY(!g->datafiles->isModal());
        QVERIFY(g->messages.log.empty());
        QTest::keyClick(g->datafiles, Qt::Key_Escape);
        QVERIFY(!g->datafiles->isVisible());
        g->startGame();
        find<QAction>("Datafiles1")->trigger();
        QVERIFY(g->datafiles->isVisible());
        QCOMPARE(g->shell->others()->datafiles.findChildren<QPushButton*>().size(), 8);
    }
};

QTEST_MAIN(EditorMainTest)
#include "editor_main_test.moc"
