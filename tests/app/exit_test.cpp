// Every way out of the program, with the whole program running: its event loop must end by
// itself, once, after at most one quit question. A loop that does not end fails the test
// (a watchdog ends it with 99) instead of hanging it.

#include "app/program.h"
#include "app/shell.h"
#include "state/settings.h"
#include "support/fakes.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace quotara;

namespace {

const QString kQuitQuestion = QStringLiteral("Are you sure you want to quit Quotara?");
constexpr int kWatchdogExit = 99;

template <class T = QPushButton> T* find(QWidget* window, const char* name) {
    T* w = window->findChild<T*>(QLatin1String(name));
    if (!w) qFatal("no control %s", name);
    return w;
}

// Start as a player does, then End Day on the deadline, which is made the next day.
void playToTheLevelsEnd(Shell& shell) {
    OtherWindows& w = *shell.others();
    w.newgame.show();
    QTest::keyClicks(find<QLineEdit>(&w.newgame, "playername"), QStringLiteral("Ann"));
    find(&w.newgame, "Button1")->click();
    shell.session().game().state.endday = 2;
    shell.session().game().state.endmonth = 1;
    find(&shell.main(), "Button1")->click();
}

} // namespace

class ExitTest : public QObject {
    Q_OBJECT

    // The program's exit code after way has run in its loop, and the quit questions asked.
    struct Run {
        int code = -1;
        int questions = 0;
    };
    Run run(const std::function<void(Shell&)>& way) {
        QTemporaryDir tmp;
        Settings settings(tmp.filePath(QStringLiteral("settings.ini")));
        settings.set(QStringLiteral("Tips/ShowAtStartup"), QStringLiteral("false")); // no tip
        test::RecordingMessages messages; // Yes to every question
        test::FakeClock clock(12'345'678);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(kWatchdogExit); });
        Run r;
        r.code = runGame(*qApp, settings, messages, clock,
                         DataFolder(tmp.filePath(QStringLiteral("quotara"))), [&](Shell& shell) {
                             watchdog.start(10'000);
                             QTimer::singleShot(0, &shell, [&] { way(shell); });
                         });
        for (const auto& e : messages.log)
            r.questions += e.asked && e.text == kQuitQuestion;
        return r;
    }

  private slots:
    void fileExit() {
        const Run r = run([](Shell& shell) { find<QAction>(&shell.main(), "Exit1")->trigger(); });
        QCOMPARE(r.code, 0);
        QCOMPARE(r.questions, 1);
    }

    void closingTheMainWindow() {
        const Run r = run([](Shell& shell) { shell.main().close(); });
        QCOMPARE(r.code, 0);
        QCOMPARE(r.questions, 0);
    }

    // The fault: Yes brought the question back, for ever.
    void exitAtTheLevelsEnd() {
        const Run r = run([](Shell& shell) {
            playToTheLevelsEnd(shell);
            find(&shell.others()->endgame, "Button2")->click();
        });
        QCOMPARE(r.code, 0);
        QCOMPARE(r.questions, 1);
    }

    void closingTheVerdict() {
        const Run r = run([](Shell& shell) {
            playToTheLevelsEnd(shell);
            shell.others()->endgame.close();
        });
        QCOMPARE(r.code, 0);
        QCOMPARE(r.questions, 1);
    }

    // After Continue the new-game window is the only window.
    void closingTheLoneNewGameWindow() {
        const Run r = run([](Shell& shell) {
            playToTheLevelsEnd(shell);
            find(&shell.others()->endgame, "button1")->click();
            shell.others()->newgame.close();
        });
        QCOMPARE(r.code, 0);
        QCOMPARE(r.questions, 1);
    }
};

QTEST_MAIN(ExitTest)
#include "exit_test.moc"
