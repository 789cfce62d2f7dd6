// The Game Editor page and the Data files window, driven as a player does.

#include "play/startup.h"
#include "shipped/news.h"
#include "state/game.h"
#include "state/install.h"
#include "support/fakes.h"
#include "windows/editor/gameeditorpage.h"
#include "windows/editor/tdatafiles.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace quotara;

namespace {

template <class T = QWidget> T* find(QWidget* window, const char* name) {
    T* w = window->findChild<T*>(QLatin1String(name));
    if (!w) qFatal("no control %s", name);
    return w;
}

// Picks a list entry with the keyboard, as a player does without the mouse.
void choose(QComboBox* box, int index) {
    box->setFocus();
    while (box->currentIndex() < index)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index)
        QTest::keyClick(box, Qt::Key_Up);
}

} // namespace

class EditorWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    test::FakeClock clock;
    test::RecordingMessages messages;
    std::unique_ptr<Game> game;
    std::unique_ptr<GameEditorPage> page;

    template <class T = QWidget> T* c(const char* name) { return find<T>(page.get(), name); }
    Tnewsitem& item(int n) { return game->state.newsitems[n]; }

  private slots:
    void init() {
        game = std::make_unique<Game>(clock, messages, DataFolder(tmp.path() + "/quotara"));
        QCOMPARE(installDataFolder(game->folder, shippedNewsFile()), QString());
        startFreePlay(game->state);
        messages.log.clear();
        page = std::make_unique<GameEditorPage>();
        page->setGame(*game);
        page->show();
        page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
    }
    void cleanup() {
        page.reset();
        game.reset();
    }

    // A designer's edit of one item through the controls reaches the live table at once.
    void editingAnItemThroughTheControls() {
        c<QPushButton>("Button4")->click();
        QVERIFY(messages.log.empty());
        QCOMPARE(c<QLineEdit>("news")->text(), item(1).text.toQString());
        // Enter in the text box is Next; on a focused button it presses that button.
        QTest::keyClick(c("news"), Qt::Key_Return);
        QTest::keyClick(c("news"), Qt::Key_Enter);
        QTest::keyClick(c("BitBtn2"), Qt::Key_Return);
        QCOMPARE(c<QLabel>("Label24")->text(), "News item number 2 :");
        c<QPushButton>("BitBtn1")->click();
        QCOMPARE(c<QLabel>("Label24")->text(), "News item number 3 :");

        auto* news = c<QLineEdit>("news");
        news->selectAll();
        QTest::keyClicks(news, "Gas prices fall");
        QCOMPARE(item(3).text.toQString(), "Gas prices fall");
        choose(c<QComboBox>("ftseaffect"), 4);
        QCOMPARE(item(3).affect[0], 2);
        choose(c<QComboBox>("sector"), 11);
        choose(c<QComboBox>("sectoraffect"), 0);
        QCOMPARE(item(3).affect[12], -2);
        choose(c<QComboBox>("sector"), 3);
        QCOMPARE(c<QComboBox>("sectoraffect")->currentIndex(), item(3).affect[4] + 2);

        choose(c<QComboBox>("probability"), 5);
        QVERIFY(c("spec")->isVisible() && c("speclabel")->isVisible());
        QTest::keyClicks(c<QLineEdit>("spec"), "7");
        QCOMPARE(item(3).probcode, 107);
        QTest::keyClicks(c<QLineEdit>("spec"), "x");
        QCOMPARE(messages.texts(), QStringList({"'7x' is not a valid integer value"}));
        QCOMPARE(item(3).probcode, 107);

        // Away and back: the item shows as stored, the sector list back at Banks. Enter in the
        // number box is Next, and a second Enter goes on, not back.
        c("spec")->setFocus();
        QTest::keyClick(c("spec"), Qt::Key_Backspace);
        QTest::keyClick(c("spec"), Qt::Key_Return);
        QVERIFY(!c("spec")->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(c<QLabel>("Label24")->text(), "News item number 5 :");
        c<QPushButton>("BitBtn2")->click();
        c<QPushButton>("BitBtn2")->click();
        QCOMPARE(c<QLineEdit>("news")->text(), "Gas prices fall");
        QCOMPARE(c<QComboBox>("ftseaffect")->currentIndex(), 4);
        QCOMPARE(c<QComboBox>("sector")->currentIndex(), 0);
        QCOMPARE(c<QComboBox>("probability")->currentIndex(), 5);
        QCOMPARE(c<QLineEdit>("spec")->text(), "7");
        QVERIFY(c("spec")->isVisible());

        choose(c<QComboBox>("probability"), 1);
        QCOMPARE(item(3).probcode, 2);
        QVERIFY(!c("spec")->isVisible());
        page->loadeditor();
        QCOMPARE(c<QLabel>("Label24")->text(), "News item number 1 :");
    }

    // It shows the files in use and lets nothing be changed: only Cancel and Escape close it.
    void theDataFilesWindowOnlyInforms() {
        Tdatafiles window;
        window.showWindow();
        QVERIFY(window.isVisible());
        QVERIFY(!window.isModal());
        QCOMPARE(find<QLineEdit>(&window, "sharedatafile")->text(), "qoshares.dat");
        QCOMPARE(find<QLineEdit>(&window, "newsdatafile")->text(), "qonews.dat");
        for (const char* name : {"sharedatafile", "newsdatafile", "financedatafile", "Button1",
                                 "Button2", "Button3", "BitBtn1", "BitBtn3", "BitBtn4", "BitBtn5"})
            QVERIFY2(!find(&window, name)->isEnabled(), name);
        auto* cancel = find<QPushButton>(&window, "BitBtn2");
        QVERIFY(cancel->isEnabled());

        cancel->click();
        QVERIFY(!window.isVisible());
        window.showWindow();
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        window.showWindow();
        QVERIFY(window.isVisible());
        QCOMPARE(window.pos(), QPoint(200, 128));
    }
};

QTEST_MAIN(EditorWindowTest)
#include "editor_window_test.moc"
