// The Performance window in the whole game: opened from the menu, following trades and End
// Day, sorting its journal, exporting, and going with the main window at a level's end.

#include "trading/journalmodel.h"
#include "trading/recordcsv.h"
#include "windows/components/look.h"
#include "windows/support/gamewindows.h"
#include "windows/trading/summaryview.h"
#include "windows/trading/tperformance.h"
#include "windows/trading/worthgraphview.h"

#include <QAction>
#include <QFile>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

using namespace quotara;

class PerformanceWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::GameWindows> g;

    QTableView* journal() { return g->find<QTableView>(g->performance, "journal"); }
    WorthGraphView* graph() { return g->find<WorthGraphView>(g->performance, "worthGraph"); }
    QString summary() { return g->find<SummaryView>(g->performance, "summary")->text(); }
    void buy(int share, const char* quantity) {
        g->buysell->open(TradeMode::Buy, share);
        auto* field = g->find<QLineEdit>(g->buysell, "noshares");
        field->setText(QString::fromLatin1(quantity));
        g->find<QPushButton>(g->buysell, "button1")->click();
    }
    void endDay() { g->find<QPushButton>(g->main, "Button1")->click(); }

  private slots:
    void init() {
        g = std::make_unique<test::GameWindows>();
        g->startGame(); // Level 1 as the window starts: £15000, target £16000 by 1st February
        g->main->findChild<QAction*>("Performance1")->trigger();
        QVERIFY(g->performance->isVisible());
    }

    void followsTradesAndEndDaysWhileOpen() {
        QCOMPARE(journal()->model()->rowCount(), 0);
        QCOMPARE(graph()->drawing().points.size(), std::size_t{1});
        buy(2, "100");
        buy(5, "30");
        endDay();
        endDay();
        QCOMPARE(journal()->model()->rowCount(), 2);
        QCOMPARE(graph()->drawing().points.size(), std::size_t{3});
        QVERIFY2(summary().contains("29 days left"), qPrintable(summary()));
        // The month under the deadline's end of the axis ("Feb") once ran off the picture.
        const QFontMetrics fm(graph()->font());
        for (const WorthText& t : graph()->drawing().texts)
            QVERIFY2(t.topLeft.x() >= 0 &&
                         t.topLeft.x() + fm.horizontalAdvance(t.text) <= graph()->width(),
                     qPrintable(t.text));
        // Sorted by quantity: the smaller purchase first.
        journal()->sortByColumn(JournalModel::Quantity, Qt::AscendingOrder);
        QCOMPARE(journal()->model()->index(0, JournalModel::Quantity).data().toString(), "30");
        journal()->sortByColumn(JournalModel::Quantity, Qt::DescendingOrder);
        QCOMPARE(journal()->model()->index(0, JournalModel::Quantity).data().toString(), "100");
    }

    // Free play bought on its first day once counted from the worth left after the spread.
    void freePlayCountsFromTheMoneyItStartedWith() {
        g->find<QToolButton>(g->newgame, "Image3")->click();
        g->startGame();
        for (int share : {1, 6, 12})
            buy(share, "300");
        endDay();
        const std::int64_t worth = g->s().record.days.back().worth;
        QVERIFY2(summary().startsWith("Free play - profit so far " + signedPounds(worth - 15000)),
                 qPrintable(summary()));
        const auto& texts = graph()->drawing().texts;
        QVERIFY(std::any_of(texts.begin(), texts.end(), [](const WorthText& t) {
            return t.ink == WorthInk::Start && t.text.endsWith("£15000");
        }));
    }

    // The open window only adds each day and trade to what it drew: after months of play,
    // past the dots, past the scales it began with, it shows what a window opened now shows.
    void drawsWhatAWindowOpenedNowDraws() {
        g->find<QToolButton>(g->newgame, "Image3")->click();
        g->startGame();
        g->main->findChild<QAction*>("Performance1")->trigger();
        for (int day = 0; day < 120; ++day) {
            if (day % 3 == 0) buy(day % 20, "50");
            endDay();
        }
        WorthGraphView fresh;
        fresh.setFont(graph()->font());
        fresh.resize(graph()->size());
        fresh.showRecord(g->s());
        QCOMPARE(graph()->drawing().points, fresh.drawing().points);
        QCOMPARE(graph()->drawing().texts.size(), fresh.drawing().texts.size());
        QCOMPARE(graph()->grab().toImage(), fresh.grab().toImage());
        QCOMPARE(summary(), summaryText(g->s(), "Free play"));
        QCOMPARE(journal()->model()->rowCount(), static_cast<int>(g->s().record.trades.size()));
    }

    // A player renamed with Options > Players once kept the old name in the legend.
    void theLegendTakesAPlayersNewName() {
        endDay();
        g->s().record.secondDays = g->s().record.days;
        g->s().p1name.assign(QStringLiteral("Ann"));
        g->s().p2name.assign(QStringLiteral("Bob"));
        graph()->showRecord(g->s());
        g->s().p2name.assign(QStringLiteral("Dave"));
        graph()->showRecord(g->s());
        const auto& texts = graph()->drawing().texts;
        QVERIFY(std::any_of(texts.begin(), texts.end(), [](const WorthText& t) {
            return t.ink == WorthInk::SecondCurve && t.text == "Dave";
        }));
    }

    // Put somewhere by the player, it opens there again in the next run.
    void opensWhereThePlayerLeftIt() {
        const QRect put(230, 170, 420, 380);
        g->performance->setGeometry(put);
        g->performance->close();
        g->shell.reset();
        QVERIFY(g->startUp());
        g->main->show();
        g->main->findChild<QAction*>("Performance1")->trigger();
        QCOMPARE(g->performance->geometry(), put);
    }

    // The first opening leaves the game's window in view: beside it where there is room,
    // else under it; never off the screen.
    void opensBesideTheGame() {
        const QRect screen(0, 0, 1920, 1050);
        const QMargins frame(1, 24, 1, 1);
        for (const QRect& game :
             {QRect(448, 140, 1024, 768), QRect(100, 50, 1500, 700), QRect(10, 0, 1900, 600)}) {
            const QRect placed = placeBeside(screen, game, {640, 600}, {200, 300}, frame);
            const QRect outer = placed.marginsAdded(frame);
            QVERIFY2(!outer.intersects(game), qPrintable(QString("%1,%2 %3x%4")
                                                             .arg(placed.x())
                                                             .arg(placed.y())
                                                             .arg(placed.width())
                                                             .arg(placed.height())));
            QVERIFY(screen.contains(outer));
            QVERIFY(placed.width() >= 200 && placed.height() >= 300);
        }
    }

    void exportWritesTheRecordOrSaysWhyNot() {
        buy(0, "10");
        const QString path = g->tmp.path() + "/record.csv";
        g->performance->setChooseFile([&](QWidget*, const QString&) { return path; });
        g->find<QPushButton>(g->performance, "exportButton")->click();
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), recordCsv(g->s().record));

        const QString nowhere = g->tmp.path() + "/missing/record.csv";
        g->performance->setChooseFile([&](QWidget*, const QString&) { return nowhere; });
        g->messages.log.clear();
        g->find<QPushButton>(g->performance, "exportButton")->click();
        QCOMPARE(g->messages.log.size(), std::size_t{1});
        QCOMPARE(g->messages.log[0].kind, Messages::Kind::Error);
        QVERIFY(g->messages.log[0].text.startsWith("The record could not be exported to "));
        QVERIFY(!QFile::exists(nowhere));
    }

    void goesWithTheMainWindowAtTheLevelsEnd() {
        while (!g->endgame->isVisible() && g->s().daycount < 40)
            endDay();
        QVERIFY(g->endgame->isVisible());
        QVERIFY(!g->performance->isVisible());
    }

    void cleanup() { g.reset(); }
};

QTEST_MAIN(PerformanceWindowTest)
#include "performance_window_test.moc"
