// The share graph window on its own: what it draws, pixel by pixel at scale 1 and 2, which
// share and month it looks at, and when it redraws.

#include "state/game.h"
#include "support/fakes.h"
#include "support/market.h"
#include "windows/support/gamewindows.h"
#include "windows/trading/tgraph.h"

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <memory>

using namespace quotara;

class GraphWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    test::FakeClock clock;
    test::RecordingMessages messages;
    std::unique_ptr<Game> game;
    std::unique_ptr<Tgraph> graph;
    int selected = 0; // the lookup list's choice

    GameState& s() { return game->state; }
    template <class T> T* find(const char* name) {
        T* w = graph->findChild<T*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }
    QImage grab(qreal ratio = 1) {
        QImage img(graph->size() * ratio, QImage::Format_RGB32);
        img.setDevicePixelRatio(ratio);
        img.fill(Qt::white);
        graph->render(&img);
        return img;
    }
    static QRgb rgb(const QImage& img, int x, int y) { return img.pixel(x, y) & 0xffffff; }
    static constexpr QRgb kSilver = 0xc0c0c0, kBlack = 0x000000, kRed = 0xff0000;

  private slots:
    void init() {
        game = std::make_unique<Game>(clock, messages, DataFolder(tmp.path()));
        test::fillBuiltinShares(s());
        s().day = 10;
        s().month = 3;
        s().year = 1999;
        // Share 4: high 180p (top 200p); prices on 1..5 March (days 60..64) with none on the
        // 4th, so 100p on the 3rd is the end of a segment at (74, 120).
        Tshare& share = s().shares[4];
        share.high = 180;
        for (int d = 60; d <= 64; ++d)
            share.history[d] = 100;
        share.history[63] = 0;
        selected = 4;
        graph = std::make_unique<Tgraph>(*game, [this] { return selected; });
        QVERIFY(messages.log.empty());
    }
    void cleanup() {
        graph.reset();
        game.reset();
    }

    // The one-month view of March at scale 1.
    void pixelsOfTheOneMonthView() {
        find<QRadioButton>("RadioButton3")->click();
        QCOMPARE(find<QLabel>("Label1")->text(), QString("One month history"));
        const QImage img = grab();
        QCOMPARE(rgb(img, 300, 100), kSilver); // background
        QCOMPARE(rgb(img, 50, 220), kBlack);   // axis corner
        QCOMPARE(rgb(img, 50, 20), kBlack);    // top of the y axis
        QCOMPARE(rgb(img, 410, 220), kBlack);  // end of the x axis
        QCOMPARE(rgb(img, 411, 220), kSilver);
        QCOMPARE(rgb(img, 49, 220), kSilver); // the x axis starts at the y axis
        QCOMPARE(rgb(img, 110, 230), kBlack); // a tick's foot
        QCOMPARE(rgb(img, 45, 100), kBlack);  // a y-axis tick
        QCOMPARE(rgb(img, 74, 120), kRed);    // 100p on the 3rd
        QCOMPARE(rgb(img, 68, 120), kRed);    // between the 2nd and the 3rd
        QCOMPARE(rgb(img, 80, 120), kSilver); // the gap at the 4th
        QCOMPARE(rgb(img, 92, 120), kSilver);
        QCOMPARE(rgb(img, 0, 0), kBlack); // the outline of the fill
        QCOMPARE(rgb(img, 459, 100), kBlack);
    }

    // At scale 2 every line is two device pixels wide, exactly over its pixel at scale 1.
    void sharpAtScaleTwo() {
        find<QRadioButton>("RadioButton3")->click();
        const QImage img = grab(2);
        QCOMPARE(img.size(), QSize(920, 624));
        for (int dx : {0, 1})
            for (int dy : {0, 1}) {
                QCOMPARE(rgb(img, 100 + dx, 440 + dy), kBlack); // axis corner
                QCOMPARE(rgb(img, 148 + dx, 240 + dy), kRed);   // 100p on the 3rd
            }
        QCOMPARE(rgb(img, 99, 441), kSilver);
        QCOMPARE(rgb(img, 100, 442), kSilver);
        QCOMPARE(rgb(img, 600, 200), kSilver);
    }

    // In January the six-month view draws the days of the year at its right end, where the
    // highest prices come close to the top: the buttons keep clear of them.
    void theButtonsLeaveTheLatestPricesInSight() {
        s().month = 1;
        s().shares[4].history[28] = s().shares[4].history[29] = 180; // the high: y 40
        find<QRadioButton>("RadioButton2")->click();
        const QImage img = grab();
        QCOMPARE(rgb(img, 412, 40), kRed);
        QCOMPARE(rgb(img, 416, 40), kSilver);
    }

    // Activation sets the flag; the next tick of the window's timer redraws once and clears it.
    void activationRedrawsAtTheNextTick() {
        graph->Button1Click();
        selected = 5;
        graph->needtodisplay();
        QCOMPARE(graph->drawing().top, 200); // no flag, no redraw
        // The window's own timer ticks within a second.
        graph->loadup();
        QTRY_COMPARE(graph->drawing().top, s().shares[5].high + 20);
        selected = 4;
        graph->needtodisplay();
        QCOMPARE(graph->drawing().top, s().shares[5].high + 20);
    }

    void openingTheWindowRedrawsIt() {
        find<QRadioButton>("RadioButton2")->setChecked(true);
        graph->open();
        QVERIFY(QTest::qWaitForWindowExposed(graph.get()));
        QCOMPARE(find<QLabel>("Label1")->text(), QString("Six month history"));
        QCOMPARE(graph->drawing().caption, QString("Six month history"));
        // Graph pressed again while it is up draws the share chosen now.
        selected = 5;
        graph->open();
        QCOMPARE(graph->drawing().top, s().shares[5].high + 20);
        graph->close(); // the close box hides it
        QVERIFY(!graph->isVisible());
        graph->hide();
    }

    // The title says which share and which month are drawn; opening the window for a share
    // undoes what "testing" moved, so the player sees this month again.
    void theTitleNamesTheShareAndMonthAndOpeningUndoesTesting() {
        const QString name = s().shares[4].name.toQString();
        auto* title = find<QLabel>("graphTitle");
        graph->open();
        find<QRadioButton>("RadioButton3")->click();
        QCOMPARE(title->text(), name + ", March 1999");
        find<QPushButton>("Button2")->click();
        QCOMPARE(title->text(), name + ", April 1999");
        find<QRadioButton>("RadioButton2")->click();
        QCOMPARE(title->text(), name + ", six months to April 1999");
        graph->hide();
        graph->open();
        QCOMPARE(title->text(), name + ", six months to March 1999");
        find<QRadioButton>("RadioButton1")->click();
        QCOMPARE(title->text(), name + ", 1999");
        graph->hide();
    }

    // "testing" moves the month the graph looks at, wrapping, and never the game's calendar.
    void testingMovesOnlyTheGraphsMonth() {
        s().month = 11;
        find<QRadioButton>("RadioButton3")->click();
        QCOMPARE(graph->lookedAtMonth(), 11);
        auto* testing = find<QPushButton>("Button2");
        testing->click();
        QCOMPARE(graph->lookedAtMonth(), 12);
        testing->click();
        QCOMPARE(graph->lookedAtMonth(), 1);
        testing->click();
        QCOMPARE(graph->lookedAtMonth(), 2);
        QCOMPARE(s().month, std::uint8_t(11));
        // February: no "31" under the axis.
        bool has31 = false;
        for (const GraphText& t : graph->drawing().texts)
            has31 = has31 || t.text == "31";
        QVERIFY(!has31);
    }

    void pointingAtTheCurveNamesTheDayAndPrice() {
        find<QRadioButton>("RadioButton3")->click();
        graph->show();
        QVERIFY(QTest::qWaitForWindowExposed(graph.get()));
        auto point = [&](QPoint pos) {
            QHelpEvent help(QEvent::ToolTip, pos, graph->mapToGlobal(pos));
            QApplication::sendEvent(graph.get(), &help);
        };
        point({75, 121});
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), s().shares[4].name.toQString() + ", 3rd March 1999: 100p");
        point({75, 160}); // away from the curve
        QTRY_VERIFY(!QToolTip::isVisible());
        graph->hide();
    }

    // In the game: the Share Lookup page's Graph button opens the graph of the share chosen
    // there, with the days played so far.
    void theGraphButtonOpensTheChosenSharesGraph() {
        test::GameWindows g;
        QVERIFY(g.started);
        g.startGame();
        for (int i = 0; i < 5; ++i)
            g.find<QPushButton>(g.main, "Button1")->click(); // End Day
        QCOMPARE(g.s().daycount, std::uint16_t(6));
        auto* list = g.find<QComboBox>(g.main, "name");
        list->setCurrentIndex(7);
        QVERIFY(!g.graph->isVisible());
        g.find<QPushButton>(g.main, "BitBtn4")->click();
        QVERIFY(g.graph->isVisible());
        QCOMPARE(g.graph->drawing().name, g.s().shares[7].name.toQString());
        QCOMPARE(g.graph->drawing().points.size(), std::size_t(6)); // days 1..6
        QCOMPARE(g.graph->drawing().points.back().price, g.s().shares[7].price);
        // Another share is drawn at the next redraw, not before.
        list->setCurrentIndex(2);
        QCOMPARE(g.graph->drawing().name, g.s().shares[7].name.toQString());
        g.find<QPushButton>(g.graph, "Button1")->click();
        QCOMPARE(g.graph->drawing().name, g.s().shares[2].name.toQString());
        for (const QString& text : g.messages.texts())
            QVERIFY2(!text.contains("not available"), qPrintable(text));

        // At the level's deadline the graph goes with the main window: Continue clears the
        // prices it shows.
        g.s().endday = g.s().day + 1;
        g.s().endmonth = g.s().month;
        g.find<QPushButton>(g.main, "Button1")->click();
        QVERIFY(g.endgame->isVisible());
        QVERIFY(!g.graph->isVisible());
    }
};

QTEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"
