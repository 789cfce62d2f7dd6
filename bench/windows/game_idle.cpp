// game_idle: the idle cost of a running game. Starts the game as a player would (start-up
// answered Yes, a free-play game started from the New Game window, a day's headlines on the
// ticker), then leaves it alone for the number of seconds given: the clock, the status bar's
// alternation and the ticker keep running. Prints the ticker's frames and the CPU time used
// per second while it ticks, in the form of the bare-Qt ticker_idle baseline.

#include "shipped/news.h"
#include "state/game.h"
#include "state/install.h"
#include "windows/app/shell.h"
#include "windows/components/look.h"
#include "windows/components/tbanner.h"
#include "windows/components/ttipoftheday.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>

int main(int argc, char* argv[]) {
    using namespace quotara;
    QApplication app(argc, argv);
    bool ok = false;
    const double seconds = argc > 1 ? QString(argv[1]).toDouble(&ok) : 0;
    if (!ok || seconds <= 0) {
        std::fprintf(stderr, "usage: game_idle SECONDS\n");
        return 2;
    }
    applyLook(app);

    QTemporaryDir tmp;
    const DataFolder folder(tmp.path() + QStringLiteral("/quotara"));
    installDataFolder(folder, shippedNewsFile());
    SystemClock clock;
    SilentMessages messages;
    Game game(clock, messages, folder);
    Shell shell(game);
    if (!shell.startUp()) return 1;
    shell.main().TipOfTheDay1->ShowTipsAtStartup = false; // nobody to close it
    shell.main().show();

    Tnewgame& newgame = shell.others()->newgame;
    newgame.show();
    newgame.findChild<QLineEdit*>(QStringLiteral("playername"))->setText(QStringLiteral("Ann"));
    newgame.findChild<QPushButton*>(QStringLiteral("Button1"))->click();
    shell.main().findChild<QPushButton*>(QStringLiteral("Button1"))->click(); // End Day

    TBanner* banner = shell.others()->ticker.banner();
    int frames = 0;
    QElapsedTimer ticking;
    std::clock_t tickingCpu = 0;
    QObject::connect(banner, &TBanner::OnScroll, [&] {
        if (!ticking.isValid()) { // start-up and the first paints are over
            ticking.start();
            tickingCpu = std::clock();
        }
        ++frames;
    });
    QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &app,
                       &QCoreApplication::quit);
    const int status = app.exec();
    const double cpuMs = (std::clock() - tickingCpu) * 1000.0 / CLOCKS_PER_SEC;
    std::printf("game_idle: frames=%d seconds=%g cpu_ms_per_s=%.2f\n", frames, seconds,
                ticking.isValid() ? cpuMs / (ticking.nsecsElapsed() / 1e9) : 0.0);
    return status;
}
