// page_shots: pictures of every page of the main window and of the ticker as the window
// system shows them, over a few End Days, so a change to how the pages draw can be compared
// pixel by pixel with the pictures taken before it.
//
//   page_shots FOLDER                    (QT_SCALE_FACTOR=2 for the pictures at 200 %)
//   page_shots --compare BEFORE AFTER    pixels that differ, picture by picture
//
// The game is the one pages_bench plays: free play with eight holdings on a fixed clock, so
// two runs show the same figures. Each page is pictured when it comes to the front (caught
// up after days spent on other pages) and again after two days spent in front.

#include "play/record.h"
#include "shipped/news.h"
#include "state/install.h"
#include "state/random.h"
#include "trading/trade.h"
#include "windows/app/shell.h"
#include "windows/components/tbanner.h"
#include "windows/components/ttipoftheday.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

using namespace quotara;

void settle() {
    // Lets the window system draw what was posted, then takes what came back.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 150)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool shoot(QWidget& window, const QString& path) {
    const QPixmap shot = window.screen()->grabWindow(window.winId());
    if (!shot.save(path)) {
        std::fprintf(stderr, "page_shots: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

int compare(const QString& before, const QString& after) {
    int differing = 0;
    for (const QString& name : QDir(before).entryList({QStringLiteral("*.png")}, QDir::Files)) {
        const QImage a = QImage(before + u'/' + name).convertToFormat(QImage::Format_RGB32);
        const QImage b = QImage(after + u'/' + name).convertToFormat(QImage::Format_RGB32);
        int pixels = 0;
        if (a.size() != b.size()) {
            pixels = a.width() * a.height();
        } else {
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    pixels += a.pixel(x, y) != b.pixel(x, y);
        }
        std::printf("%-28s %d pixels differ\n", qPrintable(name), pixels);
        differing += pixels > 0;
    }
    return differing ? 1 : 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc == 4 && QByteArrayView(argv[1]) == "--compare")
        return compare(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc < 2) {
        std::fprintf(stderr, "usage: page_shots FOLDER | --compare BEFORE AFTER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    QTemporaryDir tmp;
    const DataFolder folder(tmp.path() + QStringLiteral("/quotara"));
    installDataFolder(folder, shippedNewsFile());
    SteppingClock clock{12'345'715, 37}; // a day ended every 37 ms
    SilentMessages messages;
    Game game(clock, messages, folder);
    Shell shell(game);
    if (!shell.startUp()) return 1;
    Tmain_screen& main = shell.main();
    main.TipOfTheDay1->ShowTipsAtStartup = false;
    for (const char* timer : {"Timer1", "Timer2"})
        main.findChild<QTimer*>(QLatin1String(timer))->stop();
    shell.others()->newgame.freeplay();
    shell.session().start({QStringLiteral("Bench"), {}, {}});
    for (int share : {0, 2, 4, 6, 8, 10, 12, 14})
        tradeOk(game, kBuyCaption, share, QStringLiteral("10"));
    main.dataload();
    settle();

    auto* pages = main.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    auto* endDay = main.findChild<QPushButton*>(QStringLiteral("Button1"));
    bool ok = true;
    int n = 0;
    for (const char* name :
         {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet6", "TabSheet1"}) {
        pages->setCurrentWidget(pages->findChild<QWidget*>(QLatin1String(name)));
        settle();
        const QString stem = out + QStringLiteral("/%1-%2").arg(++n).arg(QLatin1String(name));
        ok = shoot(main, stem + QStringLiteral("-shown.png")) && ok;
        for (int d = 0; d < 2; ++d) {
            endDay->click();
            QCoreApplication::processEvents();
        }
        settle();
        ok = shoot(main, stem + QStringLiteral("-days.png")) && ok;
    }
    // The ticker held at one place, so its picture does not depend on the time taken.
    TBanner* banner = shell.others()->ticker.banner();
    banner->setScrollInterval(0);
    banner->setScrollPos(300);
    banner->update();
    settle();
    ok = shoot(shell.others()->ticker, out + QStringLiteral("/ticker.png")) && ok;
    return ok ? 0 : 1;
}
