// pages_bench: one End Day with its refresh of every page, repainted, as the player sees it,
// for each page of the main window in front. Prints the median microseconds per day, in the
// same manner as the bare relabel baseline, so bench/ratios can set them side by side.
//
//   pages_bench DAYS [PAGE]     (PAGE: one page's object name, e.g. TabSheet2, to profile it)
//   pages_bench DAYS performance [PLAYED [TRADES [open|closed]]]
//
// The game is a free-play game over a temporary data folder with eight holdings, answered by
// silent message boxes. The second form first plays PLAYED days (100) with TRADES trades
// (twice PLAYED) in all, then times DAYS End Days with the Performance window open and as many
// with it closed, alternating in blocks of five, and prints both and their ratio; open or
// closed times only that side, to profile it. second_window measures bare Qt the same way: the
// floor under that ratio.

#include "sidebyside.h"

#include "play/endofday.h"
#include "play/record.h"
#include "shipped/news.h"
#include "state/install.h"
#include "state/random.h"
#include "trading/trade.h"
#include "windows/app/shell.h"
#include "windows/components/ttipoftheday.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using bench::median;
using bench::threadCpuNs;

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

// As after a click on it: the main window active, its activation's repaints done.
bool waitUntilActive(QWidget& window) {
    window.activateWindow();
    QTimer wakeUp;
    wakeUp.start(20);
    QElapsedTimer waited;
    waited.start();
    while (QApplication::activeWindow() != &window) {
        if (waited.elapsed() > 10'000) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    QCoreApplication::processEvents();
    return true;
}

// The wall and thread CPU nanoseconds of one End Day pressed and repainted.
struct DayTime {
    qint64 wall = 0, cpu = 0;
};
DayTime timeEndDay(QPushButton* endDay) {
    const qint64 cpu = threadCpuNs();
    QElapsedTimer timer;
    timer.start();
    endDay->click();
    QCoreApplication::processEvents();
    return {timer.nsecsElapsed(), threadCpuNs() - cpu};
}

// A long game played by the engine alone: a share bought and sold back, a trade at a time,
// the next share tried when one is out of reach.
void playDays(Game& game, int days, int trades) {
    NoDayViews none;
    int bought = 0;
    for (int d = 0, made = 0; d < days; ++d) {
        const auto due = static_cast<int>(std::int64_t{trades} * (d + 1) / days);
        for (; made < due; ++made) {
            for (int tries = 0; tries < kShareCount; ++tries) {
                if (made % 2) {
                    if (tradeOk(game, kSellCaption, bought, QStringLiteral("1")).completed) break;
                } else {
                    bought = (made / 2 + tries) % kShareCount;
                    if (tradeOk(game, kBuyCaption, bought, QStringLiteral("1")).completed) break;
                }
            }
        }
        if (d + 1 < days) endofday(game, none);
    }
}

int timePerformanceWindow(Shell& shell, QPushButton* endDay, int days, const char* only) {
    QWidget& window = shell.others()->performance;
    QAction* open = shell.main().findChild<QAction*>(QStringLiteral("Performance1"));
    // The record as the timing begins.
    const GameState& s = shell.session().game().state;
    const std::size_t recorded = s.record.days.size(), traded = s.record.trades.size();
    std::vector<qint64> wall[2], cpu[2]; // [0] closed, [1] open
    constexpr int kBlock = 5;
    for (int d = 0; d < 2 * days; d += kBlock) {
        const bool opened = only ? QByteArrayView(only) == "open" : d / kBlock % 2 == 0;
        if (opened && !window.isVisible()) {
            open->trigger();
            if (!waitUntilExposed(window)) return 1;
        } else if (!opened && window.isVisible()) {
            window.hide();
        }
        // The player presses End Day in the main window, which is then the active one.
        if (!waitUntilActive(shell.main())) return 1;
        for (int i = 0; i < kBlock; ++i) {
            const DayTime t = timeEndDay(endDay);
            wall[opened].push_back(t.wall);
            cpu[opened].push_back(t.cpu);
        }
    }
    if (only) {
        const int side = QByteArrayView(only) == "open";
        std::printf("pages_bench: performance %s days=%d median_us=%.1f thread_cpu_us=%.1f\n", only,
                    days, median(wall[side]) / 1e3, median(cpu[side]) / 1e3);
        return 0;
    }
    std::printf("pages_bench: performance record_days=%zu trades=%zu days=%d"
                " closed_us=%.1f open_us=%.1f ratio=%.2f"
                " closed_cpu_us=%.1f open_cpu_us=%.1f cpu_ratio=%.2f\n",
                recorded, traded, days, median(wall[0]) / 1e3, median(wall[1]) / 1e3,
                median(wall[1]) / median(wall[0]), median(cpu[0]) / 1e3, median(cpu[1]) / 1e3,
                median(cpu[1]) / median(cpu[0]));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int days = argc > 1 ? std::max(1, QString(argv[1]).toInt()) : 200;
    const bool performance = argc > 2 && QByteArrayView(argv[2]) == "performance";
    const int played = performance && argc > 3 ? std::max(1, QString(argv[3]).toInt()) : 100;
    const int trades = performance && argc > 4 ? std::max(0, QString(argv[4]).toInt()) : 2 * played;

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
    if (performance) playDays(game, played, trades);
    main.dataload();
    if (!waitUntilExposed(main)) return 1;

    auto* pages = main.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    auto* endDay = main.findChild<QPushButton*>(QStringLiteral("Button1"));
    if (performance)
        return timePerformanceWindow(shell, endDay, days, argc > 5 ? argv[5] : nullptr);
    for (const char* name : {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet6"}) {
        if (argc > 2 && QByteArrayView(argv[2]) != name) continue;
        pages->setCurrentWidget(pages->findChild<QWidget*>(QLatin1String(name)));
        QCoreApplication::processEvents();
        std::vector<qint64> each(days), own(days);
        for (int d = 0; d < days; ++d) {
            const DayTime t = timeEndDay(endDay);
            each[d] = t.wall;
            own[d] = t.cpu;
        }
        // The windows' thread's own CPU time leaves out the X server and the autosave's
        // writer: steadier when comparing two builds of the pages on a busy machine.
        std::printf("pages_bench: page=%s days=%d median_us=%.1f thread_cpu_us=%.1f\n", name, days,
                    median(each) / 1e3, median(own) / 1e3);
    }
    return 0;
}
