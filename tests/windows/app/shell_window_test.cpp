// What the game's frame does around the pages: questions in front of every window, the money
// panel's word on the level, the news file put back at start-up, and the session bus connected
// beside the start.

#include "windows/app/qtmessages.h"
#include "windows/app/sessionbus.h"
#include "windows/components/look.h"
#include "windows/support/gamewindows.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <memory>

using namespace quotara;

class ShellWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::GameWindows> g;

    GameState& s() { return g->s(); }
    bool opened() {
        g->installNews();
        return g->startUp();
    }
    bool playing() {
        if (!opened()) return false;
        g->main->show();
        return g->session().start({QStringLiteral("Ann"), {}, {}}) == StartOutcome::Started;
    }

  private slots:
    void init() { g = std::make_unique<test::GameWindows>(test::GameWindows::NotStarted{}); }
    void cleanup() { g.reset(); }

    // The ticker opens just under the main window, whole on the screen, also after a level's
    // Continue; closed, it stays closed until Options > News Ticker brings it back.
    void theTickerOpensUnderTheMainWindowAndComesBackFromTheMenu() {
        QVERIFY(playing());
        auto* item = test::GameWindows::find<QAction>(g->main, "NewsTicker1");
        const auto underTheMainWindow = [this] {
            const QRect main = g->main->frameGeometry(), ticker = g->ticker->frameGeometry();
            return g->ticker->isVisible() && ticker.top() == main.bottom() + 1 &&
                   ticker.left() == main.left() &&
                   g->main->screen()->availableGeometry().contains(ticker);
        };
        QVERIFY(underTheMainWindow());
        QVERIFY(item->isChecked());
        g->ticker->close();
        QVERIFY(!item->isChecked());
        test::GameWindows::find<QPushButton>(g->main, "Button1")->click();
        QVERIFY(!g->ticker->isVisible());
        item->trigger();
        QVERIFY(item->isChecked());
        QVERIFY(underTheMainWindow());

        s().endday = 3, s().endmonth = 1;
        test::GameWindows::find<QPushButton>(g->main, "Button1")->click();
        test::GameWindows::find<QPushButton>(g->endgame, "button1")->click(); // Continue
        g->main->move(g->main->pos() + QPoint(40, -30));
        test::GameWindows::find<QPushButton>(g->newgame, "Button1")->click(); // Start
        QVERIFY(underTheMainWindow());
    }

    // A question asked while the New Game window (which stays on top) is up, as after a
    // level's Continue, opens in front of it with the keyboard, and shows its title whole.
    void aQuestionIsInFrontWithTheKeyboard() {
        QVERIFY(opened());
        g->newgame->show();
        g->newgame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g->newgame));
        bool inFront = false, titleWhole = false;
        QTimer::singleShot(100, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            inFront = (box->windowFlags() & Qt::WindowStaysOnTopHint) &&
                      QTest::qWaitForWindowActive(box) && box->focusWidget() != nullptr;
            titleWhole = box->width() >
                         QFontMetrics(box->font()).horizontalAdvance(box->windowTitle()) + 100;
            box->button(QMessageBox::No)->click();
        });
        QtMessages messages;
        QVERIFY(!messages.ask(Messages::Kind::Plain, QStringLiteral("Go?")));
        QVERIFY(inFront);
        QVERIFY(titleWhole);
    }

    // The box of a question shows the same pictures as the style gives any other window: its
    // icon and the icons of its buttons (they are no longer searched for in the icon theme
    // when the desktop names none).
    void aQuestionShowsTheStylesPictures() {
        // Buttons have icons where the platform's theme says so (not offscreen).
        const auto same = [](const QIcon& shown, QStyle::StandardPixmap which) {
            QStyle* style = QApplication::style();
            if (!style->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons))
                return shown.isNull();
            return !shown.isNull() &&
                   shown.pixmap(32).toImage() == style->standardIcon(which).pixmap(32).toImage();
        };
        bool icon = false, yes = false, no = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            QStyle* style = QApplication::style();
            const int size = style->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box);
            icon = box->icon() == QMessageBox::Question &&
                   box->iconPixmap().toImage() ==
                       style->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(size).toImage();
            yes = same(box->button(QMessageBox::Yes)->icon(), QStyle::SP_DialogYesButton);
            no = same(box->button(QMessageBox::No)->icon(), QStyle::SP_DialogNoButton);
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(QtMessages().ask(Messages::Kind::Confirmation, QStringLiteral("Go?")));
        QVERIFY(icon);
        QVERIFY(yes);
        QVERIFY(no);
    }

    // Offscreen (tests, scripts) starts nothing, so it never launches a bus of its own. On X
    // the connection is made, and a start that ends before the bus answers (No to the
    // disclaimer) waits for it instead of ending the program under it.
    void theBusIsConnectedEarlyOnlyWhereTheBridgeUsesIt() {
        std::atomic<int> connects = 0;
        const auto connect = [&connects] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            ++connects;
        };
        { const EarlySessionBus offscreen(QStringLiteral("offscreen"), connect); }
        QCOMPARE(connects.load(), 0);
        { const EarlySessionBus x11(QStringLiteral("xcb"), connect); }
        QCOMPARE(connects.load(), 1);
    }

    // Resting the mouse on the money tells the level, its target and the days to its
    // deadline, as they are at that moment.
    void theMoneyPanelTellsWhereTheLevelStands() {
        QVERIFY(playing());
        QLabel* money = g->main->statusPanel(0);
        const auto hint = [money] {
            QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), money->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(money, &help);
            return money->toolTip();
        };
        QCOMPARE(hint(), QStringLiteral("Level 1: target £16,000 by 1st February 1999, 31 days "
                                        "left"));
        test::GameWindows::find<QPushButton>(g->main, "Button1")->click(); // End Day
        QCOMPARE(hint(), QStringLiteral("Level 1: target £16,000 by 1st February 1999, 30 days "
                                        "left"));
        s().endday = 0;
        s().endmonth = 0;
        QCOMPARE(hint(), QStringLiteral("Free play: no target and no deadline"));
    }
};

int main(int argc, char** argv) {
    // Whatever runs, the player's own data folder is never touched.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    applyLook(app);
    ShellWindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "shell_window_test.moc"
