// The ticker's scrolling text: where the text is after each step, the gap between passes,
// and what actually reaches the screen.

#include "app/look.h"
#include "app/windows.h"
#include "components/scroller.h"
#include "components/tticker.h"
#include "state/game.h"
#include "support/fakes.h"

#include <QApplication>
#include <QImage>
#include <QTest>

using namespace quotara;

namespace {

// Columns of the image that hold any pixel of the colour.
QList<int> columnsWith(const QImage& img, QColor colour) {
    QList<int> cols;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (img.pixelColor(x, y) == colour) {
                cols << x;
                break;
            }
    return cols;
}

QImage grab(QWidget& w) {
    QImage img(w.size(), QImage::Format_RGB32);
    w.render(&img);
    return img;
}

} // namespace

class ScrollerTest : public QObject {
    Q_OBJECT

  private slots:
    // The text enters at the right edge, moves 4 pixels a step and starts again once it has
    // passed the left edge completely, leaving an empty gap in between.
    void passesOnceThenStartsAgain() {
        TextScroller s;
        s.resize(511, 31);
        s.setScrollText(QStringLiteral("Shares rally"));
        const int bw = s.textWidth();
        QVERIFY(bw > 0);
        QCOMPARE(s.position(), 0);
        int steps = 0;
        while (s.position() + 4 <= bw + 511) {
            s.tick();
            ++steps;
            QCOMPARE(s.position(), steps * 4);
        }
        s.tick();
        QCOMPARE(s.position(), 0);
    }

    // A new text goes on from where the old one was, and an offset beyond the new text's
    // pass restarts at the next step.
    void newTextKeepsTheOffset() {
        TextScroller s;
        s.resize(511, 31);
        s.setScrollText(QStringLiteral("A rather long headline about the markets of the day"));
        for (int i = 0; i < 150; ++i)
            s.tick();
        QCOMPARE(s.position(), 600);
        s.setScrollText(QStringLiteral("x"));
        QCOMPARE(s.position(), 600);
        s.tick();
        QCOMPARE(s.position(), 0);
    }

    // What is painted: nothing at offset 0, the text's start just inside the right edge after
    // a few steps, and nothing once it has passed.
    void paintsTheTextWhereItIs() {
        TextScroller s;
        QFont f(QStringLiteral("Times New Roman"));
        f.setPixelSize(19);
        f.setBold(true);
        s.setFont(f);
        s.setTextColor(Qt::blue);
        s.resize(200, 31);
        s.setScrollText(QStringLiteral("WWWW"));
        QVERIFY(columnsWith(grab(s), Qt::blue).isEmpty());

        for (int i = 0; i < 10; ++i)
            s.tick(); // 40 pixels in
        const QList<int> cols = columnsWith(grab(s), Qt::blue);
        QVERIFY(!cols.isEmpty());
        QVERIFY(cols.first() >= 160);
        QVERIFY(cols.last() < 200);

        while (s.position() < 200 + s.textWidth() - 4)
            s.tick();
        s.tick(); // fully past the left edge
        QVERIFY(columnsWith(grab(s), Qt::blue).isEmpty());
    }

    // The ticker window: its size, place, caption and the banner's face, and that it scrolls
    // by itself every 50 ms.
    void tickerWindow() {
        test::FakeClock clock;
        test::RecordingMessages messages;
        Game game(clock, messages, DataFolder(QStringLiteral("unused")));
        Windows windows;
        Tticker ticker(game, windows);
        QCOMPARE(ticker.windowTitle(), QStringLiteral("News headlines"));
        QCOMPARE(ticker.size(), QSize(511, 31));
        QCOMPARE(ticker.pos(), QPoint(64, 406));
        QVERIFY(!ticker.isVisible());
        QCOMPARE(ticker.text(), QStringLiteral(" "));
        QCOMPARE(ticker.banner()->font().pixelSize(), 19);
        QVERIFY(ticker.banner()->font().bold());
        QCOMPARE(ticker.banner()->scrollInterval(), 50);

        ticker.setText(QStringLiteral("Pound firm against the dollar"));
        ticker.show();
        const int before = ticker.banner()->position();
        QTest::qWait(300);
        QVERIFY(ticker.banner()->position() > before);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    applyLook(app);
    ScrollerTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "scroller_test.moc"
