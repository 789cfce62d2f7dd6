// Every way out of the program, with the whole program running: its event loop must end by
// itself, once, after at most one quit question. A loop that does not end fails the test
// (a watchdog ends it with 99) instead of hanging it.

#include "play/savegame.h"
#include "shipped/news.h"
#include "state/install.h"
#include "state/recordfile.h"
#include "state/settings.h"
#include "state/sharefile.h"
#include "support/fakes.h"
#include "windows/app/program.h"
#include "windows/app/shell.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSessionManager>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

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

QByteArray contentOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray bytes(const std::vector<std::uint8_t>& v) {
    return QByteArray(reinterpret_cast<const char*>(v.data()), qsizetype(v.size()));
}

QByteArray gameBytes(Session& session) {
    const GameState& s = session.game().state;
    const std::vector<std::uint8_t> image = shareFileImage(s.shares);
    return bytes(encodeStateFile(s, savedLevel(session.newGame()), image)) + bytes(image);
}

// A game played for two days, then a share bought after the last End Day, which only a new
// autosave can hold.
void playAndBuy(Shell& shell) {
    OtherWindows& w = *shell.others();
    w.newgame.show();
    QTest::keyClicks(find<QLineEdit>(&w.newgame, "playername"), QStringLiteral("Ann"));
    find(&w.newgame, "Button1")->click();
    find(&shell.main(), "Button1")->click();
    find(&shell.main(), "Button1")->click();
    shell.session().trade(kBuyCaption, 0, QStringLiteral("1"));
}

} // namespace

class ExitTest : public QObject {
    Q_OBJECT

    // The program's exit code after way has run in its loop, the quit questions asked and
    // every text shown.
    struct Run {
        int code = -1;
        int questions = 0;
        QStringList texts;
    };
    // answers: to the questions in turn, Yes after them. The next program is never started:
    // launches are recorded, with what was on disk at that instant. A restarted program runs
    // on the folder of the run before.
    Run run(const std::function<void(Shell&)>& way, std::deque<bool> answers = {},
            const StartMode& mode = {}) {
        if (!mode.restarted) tmp_ = std::make_unique<QTemporaryDir>();
        launches_.clear();
        Settings settings(file("settings.ini"));
        settings.set(QStringLiteral("Tips/ShowAtStartup"), QStringLiteral("false")); // no tip
        test::RecordingMessages messages;
        messages.answers = std::move(answers);
        test::FakeClock clock(12'345'678);
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(kWatchdogExit); });
        Shell* running = nullptr;
        ProgramStart start;
        start.mode = mode;
        start.launch = [&](const QStringList& arguments) {
            launches_.push_back(
                {arguments,
                 contentOf(file("quotara/autosave.sta")) + contentOf(file("quotara/autosave.ply")),
                 gameBytes(running->session())});
            return QString();
        };
        // As main does before the program proper.
        const FolderLock lock(DataFolder(file("quotara")));
        if (!lock.held()) qFatal("%s", qPrintable(lock.why()));
        if (const QString failed = installDataFolder(lock.folder(), shippedNewsFile());
            !failed.isEmpty())
            qFatal("%s", qPrintable(failed));
        Run r;
        r.code = runGame(*qApp, settings, messages, clock, lock, start, [&](Shell& shell) {
            running = &shell;
            watchdog.start(10'000);
            QTimer::singleShot(0, &shell, [&] { way(shell); });
        });
        for (const auto& e : messages.log)
            r.questions += e.asked && e.text == kQuitQuestion;
        r.texts = messages.texts();
        return r;
    }
    QString file(const char* name) const { return tmp_->filePath(QLatin1String(name)); }

    struct Launch {
        QStringList arguments;
        QByteArray autosave; // autosave.sta and autosave.ply
        QByteArray game;     // the game in memory as those files hold it
    };
    std::unique_ptr<QTemporaryDir> tmp_;
    std::vector<Launch> launches_;

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

    // The desktop session's request to save before logout: the game ends as after File > Exit
    // and Yes, asking nothing, the trade after the last End Day kept.
    void theSessionsRequestToSaveEndsTheGame() {
        QByteArray game;
        const Run r = run([&game](Shell& shell) {
            playAndBuy(shell);
            game = gameBytes(shell.session());
            auto* manager = qApp->findChild<QSessionManager*>();
            if (!manager) qFatal("no session manager");
            emit qApp->commitDataRequest(*manager);
        });
        QCOMPARE(r.code, 0);
        QCOMPARE(r.questions, 0);
        QCOMPARE(contentOf(file("quotara/autosave.sta")) + contentOf(file("quotara/autosave.ply")),
                 game);
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

    // Options > Zoom, Yes: the zoom and the game are on disk, whole, before the next program
    // starts, which is told to resume it; then this program ends by itself, asking nothing.
    void zoomRestartsWithTheGameKept() {
        qunsetenv("QT_SCALE_FACTOR"); // the player's own scale would keep the windows' size
        const Run r = run([](Shell& shell) {
            playAndBuy(shell);
            find<QAction>(&shell.main(), "Zoom200")->trigger();
        });
        QCOMPARE(r.code, 0);
        QCOMPARE(r.questions, 0);
        QCOMPARE(launches_.size(), 1u);
        QCOMPARE(launches_[0].arguments.mid(0, 2), QStringList({"--restarted", "--resume"}));
        QVERIFY(!launches_[0].game.isEmpty());
        QVERIFY(launches_[0].autosave == launches_[0].game);
    }

    // The next program comes back where the player was: the same page in front, the same
    // share chosen, and no box to say that the game was resumed.
    void aZoomRestartComesBackWhereThePlayerWas() {
        qunsetenv("QT_SCALE_FACTOR");
        run([](Shell& shell) {
            playAndBuy(shell);
            shell.main().selectShare(5);
            shell.main().bringPageToFront(QStringLiteral("TabSheet3"));
            find<QAction>(&shell.main(), "Zoom200")->trigger();
        });
        QCOMPARE(launches_.size(), 1u);
        std::vector<QByteArray> words{"quotara"};
        for (const QString& a : launches_[0].arguments)
            words.push_back(a.toLocal8Bit());
        std::vector<char*> argv;
        for (QByteArray& w : words)
            argv.push_back(w.data());
        QString page;
        int share = -1;
        const Run r = run(
            [&](Shell& shell) {
                page = shell.main().pageInFront();
                share = shell.main().selectedShare();
                find<QAction>(&shell.main(), "Exit1")->trigger();
            },
            {}, startModeOf(int(argv.size()), argv.data()));
        QCOMPARE(page, QStringLiteral("TabSheet3"));
        QCOMPARE(share, 5);
        QVERIFY2(!r.texts.contains(QStringLiteral("Game resumed.")), qPrintable(r.texts.join('|')));
    }

    void zoomWithoutRestart() {
        qunsetenv("QT_SCALE_FACTOR");
        const Run r = run(
            [](Shell& shell) {
                playAndBuy(shell);
                find<QAction>(&shell.main(), "Zoom150")->trigger();
                find<QAction>(&shell.main(), "Exit1")->trigger();
            },
            {true, false}); // the disclaimer, the restart
        QCOMPARE(r.questions, 1);
        QVERIFY(launches_.empty());
        QVERIFY(r.texts.contains("Quotara opens at 150 % the next time it starts."));
    }

    // A restart would lose the game: none, and the game goes on.
    void noRestartWhenTheAutosaveFails() {
        qunsetenv("QT_SCALE_FACTOR");
        const Run r = run([](Shell& shell) {
            playAndBuy(shell);
            shell.session().finishAutosave();
            setWriteBudgetForTests(1000); // the settings file fits, the game does not
            find<QAction>(&shell.main(), "Zoom200")->trigger();
            setWriteBudgetForTests(-1);
            QCOMPARE(shell.session().phase(), Phase::Playing);
            find<QAction>(&shell.main(), "Exit1")->trigger();
        });
        QCOMPARE(r.code, 0);
        QCOMPARE(r.questions, 1);
        QVERIFY(launches_.empty());
        QVERIFY2(r.texts.filter("so Quotara does not restart and your game goes on").size() == 1,
                 qPrintable(r.texts.join('|')));
    }
};

QTEST_MAIN(ExitTest)
#include "exit_test.moc"
