// pages_bench: one End Day with its refresh of every page, repainted, as the player sees it,
// for each page of the main window in front. Prints the median microseconds per day, in the
// same manner as the bare relabel baseline, so bench/ratios can set them side by side.
//
//   pages_bench DAYS [PAGE]     (PAGE: one page's object name, e.g. TabSheet2, to profile it)
//
// The game is a free-play game over a temporary data folder with eight holdings, answered by
// silent message boxes.

#include "play/record.h"
#include "shipped/news.h"
#include "state/install.h"
#include "state/random.h"
#include "trading/trade.h"
#include "windows/app/shell.h"
#include "windows/components/ttipoftheday.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using namespace quotara;

bool waitUntilExposed(QWidget& window) {
    QTimer wakeUp;
    wakeUp.start(100);
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        if (waited.elapsed() > 10'000) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::processEvents();
    return true;
}

qint64 threadCpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

double median(std::vector<qint64> v) {
    std::sort(v.begin(), v.end());
    return (v[(v.size() - 1) / 2] + v[v.size() / 2]) / 2.0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int days = argc > 1 ? std::max(1, QString(argv[1]).toInt()) : 200;

    QTemporaryDir tmp;
    const DataFolder folder(tmp.path() + QStringLiteral("/quotara"));
    installDataFolder(folder, shippedNewsFile());
    SteppingClock clock{12'345'715, 37}; // a day ended every 37 ms
    SilentMessages messages;
    Game game(clock, messages, folder);
    Shell shell(game);
    shell.session().autosaveInBackground(); // as the program does: End Day hands the write over
    if (!shell.startUp()) return 1;
    Tmain_screen& main = shell.main();
    main.TipOfTheDay1->ShowTipsAtStartup = false; // nothing modal in the way
    for (const char* timer : {"Timer1", "Timer2"})
        main.findChild<QTimer*>(QLatin1String(timer))->stop();
    shell.others()->newgame.freeplay();
    shell.session().start({QStringLiteral("Bench"), {}, {}});
    for (int share : {0, 2, 4, 6, 8, 10, 12, 14})
        tradeOk(game, kBuyCaption, share, QStringLiteral("10"));
    main.dataload();
    if (!waitUntilExposed(main)) return 1;

    auto* pages = main.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    auto* endDay = main.findChild<QPushButton*>(QStringLiteral("Button1"));
    for (const char* name : {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet6"}) {
        if (argc > 2 && QByteArrayView(argv[2]) != name) continue;
        pages->setCurrentWidget(pages->findChild<QWidget*>(QLatin1String(name)));
        QCoreApplication::processEvents();
        std::vector<qint64> each(days), own(days);
        QElapsedTimer timer;
        for (int d = 0; d < days; ++d) {
            const qint64 cpu = threadCpuNs();
            timer.start();
            endDay->click();
            QCoreApplication::processEvents();
            each[d] = timer.nsecsElapsed();
            own[d] = threadCpuNs() - cpu;
        }
        // The windows' thread's own CPU time leaves out the X server and the autosave's
        // writer: steadier when comparing two builds of the pages on a busy machine.
        std::printf("pages_bench: page=%s days=%d median_us=%.1f thread_cpu_us=%.1f\n", name, days,
                    median(each) / 1e3, median(own) / 1e3);
    }
    return 0;
}
