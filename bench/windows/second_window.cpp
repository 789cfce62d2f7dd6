// second_window: what bare Qt pays to repaint a second top-level window, the floor under the
// Performance window's share of End Day (pages_bench DAYS performance). A main window of 120
// labels gives LABELS of them new numbers each round, as End Day does on the page in front;
// in every other block of five rounds a second window is open and two of its labels change
// too. Prints the median µs per round with it closed and open, and their ratio.
//
//   second_window [LABELS [ROUNDS]]   (8 and 300: about one End Day on Share Lookup)

#include "sidebyside.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using bench::median;
using bench::threadCpuNs;

// Lets the window system catch up after a window is shown, hidden or activated.
void settle() {
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 5)
            QCoreApplication::processEvents();
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int changed = argc > 1 ? std::clamp(QString(argv[1]).toInt(), 1, 120) : 8;
    const int rounds = argc > 2 ? std::max(10, QString(argv[2]).toInt()) : 300;

    QWidget main;
    auto* grid = new QGridLayout(&main);
    std::vector<QLabel*> labels;
    for (int i = 0; i < 120; ++i) {
        auto* label = new QLabel(QString::number(i));
        label->setFixedSize(80, 20);
        grid->addWidget(label, i / 8, i % 8);
        labels.push_back(label);
    }
    main.show();
    QWidget second;
    second.resize(600, 500);
    second.move(1000, 100);
    auto* profit = new QLabel(&second);
    profit->setGeometry(10, 10, 300, 20);
    auto* left = new QLabel(&second);
    left->setGeometry(10, 40, 300, 20);
    settle();

    std::vector<qint64> wall[2], cpu[2]; // [0] closed, [1] open
    constexpr int kBlock = 5;
    for (int round = 0; round < 2 * rounds; round += kBlock) {
        const bool open = round / kBlock % 2 == 0;
        second.setVisible(open);
        if (open) main.activateWindow();
        settle();
        for (int r = round; r < round + kBlock; ++r) {
            const qint64 began = threadCpuNs();
            QElapsedTimer timer;
            timer.start();
            for (int i = 0; i < changed; ++i)
                labels[static_cast<std::size_t>(i)]->setText(QString::number(r * 7 + i));
            if (open) {
                profit->setText(QStringLiteral("profit so far £%1").arg(r));
                left->setText(QStringLiteral("%1 days left").arg(r));
            }
            QCoreApplication::processEvents();
            wall[open].push_back(timer.nsecsElapsed());
            cpu[open].push_back(threadCpuNs() - began);
        }
    }
    std::printf("second_window: labels=%d rounds=%d closed_us=%.1f open_us=%.1f ratio=%.2f"
                " closed_cpu_us=%.1f open_cpu_us=%.1f cpu_ratio=%.2f\n",
                changed, rounds, median(wall[0]) / 1e3, median(wall[1]) / 1e3,
                median(wall[1]) / median(wall[0]), median(cpu[0]) / 1e3, median(cpu[1]) / 1e3,
                median(cpu[1]) / median(cpu[0]));
    return 0;
}
