// The banner control and the ticker window: the property rules a form or the game relies on,
// and what actually reaches the screen.

#include "state/game.h"
#include "support/fakes.h"
#include "windows/components/look.h"
#include "windows/components/tbanner.h"
#include "windows/components/tticker.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace quotara;

namespace {

const QString kNothingToScroll =
    QStringLiteral("Assign a bitmap or text to banner before enabling");

// Columns of the image that hold any pixel of the colour, in row range [top, bottom).
QList<int> columnsWith(const QImage& img, QColor colour, int top = 0, int bottom = -1) {
    if (bottom < 0) bottom = img.height();
    QList<int> cols;
    for (int x = 0; x < img.width(); ++x)
        for (int y = top; y < bottom; ++y)
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

QPixmap solid(QSize size, QColor colour) {
    QPixmap p(size);
    p.fill(colour);
    return p;
}

// A banner as a form leaves it: loaded, reporting to the recorded boxes.
struct Loaded {
    explicit Loaded(QSize size = QSize(511, 31)) {
        banner.resize(size);
        banner.setMessages(&messages);
        banner.setColor(Qt::white);
        banner.setFontColor(Qt::blue);
        QFont f(QStringLiteral("Times New Roman"));
        f.setPixelSize(19);
        f.setBold(true);
        banner.setFont(f);
        banner.loaded();
    }
    test::RecordingMessages messages;
    TBanner banner;
};

} // namespace

class BannerTest : public QObject {
    Q_OBJECT

  private slots:
    // Every design property can be set by name, as a form does.
    void designPropertiesCanBeSetByName() {
        TBanner b;
        for (const char* name :
             {"AutoEnable", "Bitmap", "Enabled", "Lines", "LinesAlign", "NoGap", "OnlyOnce",
              "ScrollDirection", "ScrollInterval", "ScrollPixels", "ScrollText", "Color", "Font"})
            QVERIFY2(b.metaObject()->indexOfProperty(name) >= 0, name);
        QVERIFY(b.setProperty("ScrollDirection", QStringLiteral("sdTopToBottom")));
        QCOMPARE(b.scrollDirection(), TBanner::sdTopToBottom);
    }

    // While a form is read, switching on is ignored; the after-loading step renders the text
    // and switches on.
    void afterLoadingStepSwitchesOn() {
        TBanner b;
        b.setScrollText(QStringLiteral("Shares rally"));
        b.setScrollingEnabled(true);
        QVERIFY(!b.scrollingEnabled());
        QSignalSpy enabled(&b, &TBanner::OnEnable);
        QTest::qWait(0); // the step runs by itself once the event loop turns
        QVERIFY(b.scrollingEnabled());
        QVERIFY(enabled.count() >= 1);
        QVERIFY(!b.bitmap().isNull());
    }

    // A new text switches off and on again, keeps the offset, and is rendered once.
    void newTextKeepsOffsetAndSwitchesOffAndOn() {
        Loaded l;
        l.banner.setScrollText(QStringLiteral("A rather long headline about the markets"));
        for (int i = 0; i < 150; ++i)
            l.banner.ScrollTick();
        QCOMPARE(l.banner.scrollPos(), 600);
        QSignalSpy on(&l.banner, &TBanner::OnEnable), off(&l.banner, &TBanner::OnDisable);
        l.banner.setScrollText(QStringLiteral("x"));
        QCOMPARE(off.count(), 1);
        QCOMPARE(on.count(), 1);
        QCOMPARE(l.banner.scrollPos(), 600);
        l.banner.ScrollTick();
        QCOMPARE(l.banner.scrollPos(), 0);
        QVERIFY(l.messages.log.empty());
    }

    // Nothing to scroll: the error goes to the standard error box, scrolling stays off and
    // nothing crashes; an empty text with AutoEnable is the same fault.
    void enablingWithNothingReportsTheError() {
        Loaded l;
        QSignalSpy on(&l.banner, &TBanner::OnEnable);
        l.banner.setScrollingEnabled(true);
        QCOMPARE(l.messages.texts(), QStringList{kNothingToScroll});
        QVERIFY(!l.banner.scrollingEnabled());
        QCOMPARE(on.count(), 0);
        l.banner.setScrollText(QString());
        QCOMPARE(l.messages.texts(), QStringList({kNothingToScroll, kNothingToScroll}));
        QVERIFY(!l.banner.scrollingEnabled());
        l.banner.setBitmap(QPixmap()); // an empty picture does not switch on
        QCOMPARE(l.messages.log.size(), 2u);
        // Lines with no width render an empty image: reported once, not rendered for ever.
        l.banner.setLines({QString(), QString()});
        QCOMPARE(l.messages.log.size(), 3u);
        QVERIFY(!l.banner.scrollingEnabled());
    }

    // Switching off frees a rendered image and on renders it again; an assigned picture stays.
    // The events fire on every write.
    void offFreesARenderedImageOnly() {
        Loaded l;
        l.banner.setScrollText(QStringLiteral("News"));
        QSignalSpy off(&l.banner, &TBanner::OnDisable);
        l.banner.setScrollingEnabled(false);
        l.banner.setScrollingEnabled(false);
        QCOMPARE(off.count(), 2);
        QVERIFY(l.banner.bitmap().isNull());
        l.banner.setScrollingEnabled(true);
        QVERIFY(!l.banner.bitmap().isNull());

        l.banner.setBitmap(solid({40, 10}, Qt::red));
        QVERIFY(l.banner.scrollText().isEmpty());
        l.banner.setScrollingEnabled(false);
        QCOMPARE(l.banner.imageSize(), QSize(40, 10));
        QVERIFY(l.messages.log.empty());
    }

    // With OnlyOnce the banner stops once the image has passed, fires OnDisable and frees
    // the rendered image.
    void onlyOnceStopsAfterOnePass() {
        Loaded l(QSize(100, 31));
        l.banner.setOnlyOnce(true);
        l.banner.setScrollText(QStringLiteral("Go"));
        const int bw = l.banner.imageSize().width();
        QSignalSpy off(&l.banner, &TBanner::OnDisable), scrolled(&l.banner, &TBanner::OnScroll);
        while (l.banner.scrollingEnabled() && scrolled.count() < 1000)
            l.banner.ScrollTick();
        QCOMPARE(off.count(), 1);
        QVERIFY(l.banner.scrollPos() > bw + 100);
        QVERIFY(l.banner.bitmap().isNull());
    }

    // Lines are rendered one under the other, each centred within the widest.
    void linesAreCentred() {
        Loaded l(QSize(300, 80));
        l.banner.setLines({QStringLiteral("WWWWWW"), QStringLiteral("WW")});
        QVERIFY(l.banner.scrollingEnabled());
        const QFontMetrics fm(l.banner.font());
        const int maxw = fm.horizontalAdvance(QStringLiteral("WWWWWW"));
        const int w = fm.horizontalAdvance(QStringLiteral("WW"));
        const int lh = fm.height();
        QCOMPARE(l.banner.imageSize(), QSize(maxw, 2 * lh));
        QImage img = l.banner.bitmap().toImage();
        const auto first = columnsWith(img, Qt::blue, 0, lh);
        const auto second = columnsWith(img, Qt::blue, lh, 2 * lh);
        QVERIFY(!first.isEmpty() && !second.isEmpty());
        // Glyphs ink a pixel or two inside their advance.
        QVERIFY(qAbs(second.first() - (first.first() + (maxw - w) / 2)) <= 1);
        l.banner.setLinesAlign(TBanner::taRightJustify);
        img = l.banner.bitmap().toImage();
        QVERIFY(qAbs(columnsWith(img, Qt::blue, lh, 2 * lh).first() - (first.first() + maxw - w)) <=
                1);
    }

    // What is painted: nothing at offset 0, then the text moving left by exactly 4 pixels a
    // tick, then nothing once it has passed.
    void textMovesFourPixelsATick() {
        Loaded l(QSize(200, 31));
        l.banner.setScrollText(QStringLiteral("WWWW"));
        QVERIFY(columnsWith(grab(l.banner), Qt::blue).isEmpty());
        for (int i = 0; i < 10; ++i)
            l.banner.ScrollTick();
        int left = columnsWith(grab(l.banner), Qt::blue).first();
        QVERIFY(left >= 160 && left < 200);
        for (int i = 0; i < 30; ++i) {
            l.banner.ScrollTick();
            const int now = columnsWith(grab(l.banner), Qt::blue).first();
            QCOMPARE(now, left - 4);
            left = now;
        }
        while (l.banner.scrollPos() < 200 + l.banner.imageSize().width() - 4)
            l.banner.ScrollTick();
        l.banner.ScrollTick();
        QVERIFY(columnsWith(grab(l.banner), Qt::blue).isEmpty());
    }

    // Without a gap copies of the picture cover the whole area at every offset; with a gap
    // the area keeps its colour around the one copy.
    void tiledPaintingLeavesNoGap() {
        Loaded l(QSize(300, 20));
        l.banner.setNoGap(true);
        l.banner.setBitmap(solid({70, 20}, Qt::red));
        for (int i = 0; i < 30; ++i) {
            l.banner.ScrollTick();
            QCOMPARE(columnsWith(grab(l.banner), Qt::red).size(), 300);
        }
        l.banner.setNoGap(false);
        l.banner.setScrollPos(100);
        const auto cols = columnsWith(grab(l.banner), Qt::red);
        QCOMPARE(cols.size(), 70);
        QCOMPARE(cols.first(), 200);
    }

    // Turning round keeps the picture where it is; interval 0 stops the ticks.
    void directionAndInterval() {
        Loaded l(QSize(300, 20));
        l.banner.setBitmap(solid({70, 20}, Qt::red));
        l.banner.setScrollPos(100);
        const auto before = columnsWith(grab(l.banner), Qt::red);
        l.banner.setScrollDirection(TBanner::sdLeftToRight);
        QCOMPARE(columnsWith(grab(l.banner), Qt::red), before);
        l.banner.setScrollInterval(0);
        QVERIFY(l.banner.scrollingEnabled());
        const auto pos = l.banner.scrollPos();
        QTest::qWait(30);
        QCOMPARE(l.banner.scrollPos(), pos);
    }

    // The ticker window: its size, caption and the banner's face; it scrolls by itself
    // every 50 ms from the start, and ten spaces scroll as an empty gap.
    void tickerWindow() {
        test::FakeClock clock;
        test::RecordingMessages messages;
        Game game(clock, messages, DataFolder(QStringLiteral("unused")));
        Tticker ticker(game);
        QCOMPARE(ticker.windowTitle(), QStringLiteral("News headlines"));
        QCOMPARE(ticker.size(), QSize(511, 31));
        QCOMPARE(ticker.banner()->geometry(), QRect(0, 0, 511, 31));
        QVERIFY(!ticker.isVisible());
        QCOMPARE(ticker.text(), QStringLiteral(" "));
        QVERIFY(ticker.banner()->scrollingEnabled());
        QCOMPARE(ticker.banner()->font().pixelSize(), 19);
        QVERIFY(ticker.banner()->font().bold());
        QCOMPARE(ticker.banner()->fontColor(), QColor(Qt::blue));
        QCOMPARE(ticker.banner()->color(), ticker.palette().color(QPalette::Window));
        QCOMPARE(ticker.banner()->scrollInterval(), 50);

        ticker.setText(QStringLiteral("Pound firm against the dollar"));
        ticker.show();
        const int before = ticker.banner()->scrollPos();
        QTest::qWait(300);
        QVERIFY(ticker.banner()->scrollPos() > before);

        ticker.setText(QString(10, u' '));
        for (int i = 0; i < 20; ++i)
            ticker.banner()->ScrollTick();
        QVERIFY(columnsWith(grab(*ticker.banner()), Qt::blue).isEmpty());
        QVERIFY(messages.log.empty());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    applyLook(app);
    BannerTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "banner_test.moc"
