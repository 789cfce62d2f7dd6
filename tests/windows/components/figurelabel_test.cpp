// A figure label draws what QLabel draws, pixel for pixel, for every text, font, colour, room,
// alignment and scale it is given in turn, laid out ahead or at the paint: its kept layout never
// shows an old text or font. In a window, once it paints the plain ground beneath it itself,
// what the window shows of it is still what it shows of a QLabel, also after the ground changes
// or a widget is put beneath it.

#include "windows/components/figurelabel.h"
#include "windows/components/look.h"

#include <QFrame>
#include <QImage>
#include <QScreen>
#include <QTest>

#include <array>
#include <vector>

using namespace quotara;

namespace {

// As drawn on a screen of that device pixel ratio.
QImage shot(QLabel& label, qreal ratio) {
    QImage img((QSizeF(label.size()) * ratio).toSize(), QImage::Format_RGB32);
    img.setDevicePixelRatio(ratio);
    label.render(&img);
    return img;
}

// A figure label and a QLabel side by side in a window, given the same texts and colours.
struct Twins {
    QWidget window;
    FigureLabel* figure = new FigureLabel(&window);
    QLabel* label = new QLabel(&window);

    Twins() {
        window.resize(200, 60);
        figure->setGeometry(10, 20, 60, 18);
        label->setGeometry(110, 20, 60, 18);
    }
    void show(const QString& text, Tone tone) {
        for (QLabel* l : {static_cast<QLabel*>(figure), label})
            setToned(l, text, tone);
        // Each update as the window system asks for it: the figure label repainted alone, and
        // the repaint it asks for when it can no longer paint its ground itself.
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    // The two as the window shows them, and a point of the label in those pictures.
    std::array<QImage, 2> seen() {
        const QImage image = window.screen()
                                 ->grabWindow(window.winId())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        ratio = qreal(image.width()) / window.width();
        const auto area = [this](const QRect& r) {
            return QRectF(r.topLeft() * ratio, r.size() * ratio).toRect();
        };
        return {image.copy(area(figure->geometry())), image.copy(area(label->geometry()))};
    }
    QPoint at(int x, int y) const { return QPointF(x * ratio, y * ratio).toPoint(); }
    qreal ratio = 1;
};

} // namespace

class FigureLabelTest : public QObject {
    Q_OBJECT

  private slots:
    void drawsWhatQLabelDrawsForEachTextInTurn() {
        const QStringList texts = {"1134",        "1135",  "+11",           "-0",
                                   "\u00a31,234", "1.25%", "11p",           "1 1",
                                   "11 ",         "N/A",   "Goldman Sachs", "Date - 23rd May 1999"};
        const Qt::Alignment aligns[] = {
            Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter,
            Qt::AlignHCenter | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignBottom,
            Qt::AlignLeft | Qt::AlignTop};
        QFont plain(QStringLiteral("Liberation Serif"));
        plain.setPixelSize(16);
        QFont bold = plain;
        bold.setPixelSize(15);
        bold.setBold(true);
        // Rooms as tall as the line, taller, and too narrow for it (clipped).
        for (const QSize room : {QSize(60, 17), QSize(78, 19), QSize(24, 17)}) {
            for (const Qt::Alignment align : aligns) {
                FigureLabel figure;
                QLabel label;
                for (QLabel* l : {static_cast<QLabel*>(&figure), &label}) {
                    l->resize(room);
                    l->setAlignment(align);
                }
                int n = 0;
                for (const QFont& font : {plain, bold}) {
                    for (const QString& text : texts) {
                        const Tone tone = ++n % 3 ? Tone::Blue : Tone::Red;
                        for (QLabel* l : {static_cast<QLabel*>(&figure), &label}) {
                            l->setFont(font);
                            setToned(l, text, tone);
                        }
                        // Half laid out ahead, as after a page's refresh; half at the paint.
                        if (n % 2) figure.layOutText();
                        for (const qreal ratio : {1.0, 1.5, 2.0})
                            QVERIFY2(shot(figure, ratio) == shot(label, ratio),
                                     qPrintable(QStringLiteral("'%1' in %2x%3, alignment %4, %5x")
                                                    .arg(text)
                                                    .arg(room.width())
                                                    .arg(room.height())
                                                    .arg(int(align))
                                                    .arg(ratio)));
                    }
                }
            }
        }
    }

    // A label's text is made smaller only when it would not fit: the width a figure label
    // finds while laying the text out for drawing is the one QFontMetrics gives, to the pixel.
    void measuresAsFontMetricsDo() {
        QStringList texts = {"Abbey National",
                             "Scottish Power",
                             "\u00a3-1,234.56",
                             "11 ",
                             "Portfolio value - \u00a315000",
                             "1134",
                             "+11",
                             "N/A"};
        const char* months[] = {"January",   "February", "March",    "April",
                                "May",       "June",     "July",     "August",
                                "September", "October",  "November", "December"};
        int day = 0;
        for (const char* month : months)
            texts << QStringLiteral("Date - %1th %2 1999").arg(day += 2).arg(month);
        FigureLabel figure;
        for (const char* family : {"Liberation Sans", "Liberation Serif"})
            for (int px : {8, 10, 11, 16}) {
                QFont font{QLatin1String(family)};
                font.setPixelSize(px);
                font.setBold(px == 16);
                for (const QString& text : texts)
                    QCOMPARE(figure.widthToFit(text, font).value_or(-1),
                             QFontMetrics(font).horizontalAdvance(text));
            }
    }

    // Repainted alone over the ground it paints itself, it never leaves an old text behind, the
    // empty text included.
    void showsEachNewTextAloneAsQLabelDoes() {
        Twins t;
        t.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.window));
        const QStringList texts = {"1134", "-7", "\u00a31,234", "Goldman Sachs", "", "+12", "1135"};
        int n = 0;
        for (const QString& text : texts) {
            t.show(text, ++n % 2 ? Tone::Red : Tone::Blue);
            const auto [figure, label] = t.seen();
            QVERIFY2(figure == label, qPrintable(QStringLiteral("'%1'").arg(text)));
        }
        QVERIFY(t.figure->testAttribute(Qt::WA_OpaquePaintEvent));
    }

    // A new window colour, or a widget put or shown beneath the label, is shown as it is
    // beneath a QLabel, not hidden by the ground seen before.
    void seesItsGroundAgainWhenItChanges() {
        Twins t;
        // Beneath each, a frame on its left, hidden (as the other pages of a stack are).
        std::vector<QFrame*> hidden;
        const auto frameUnder = [&t](QLabel* l, QRect area, QPalette::ColorRole colour) {
            auto* under = new QFrame(&t.window);
            under->setGeometry(area.translated(l->pos()));
            under->setAutoFillBackground(true);
            under->setBackgroundRole(colour);
            under->stackUnder(l);
            return under;
        };
        for (QLabel* l : {static_cast<QLabel*>(t.figure), t.label})
            hidden.push_back(frameUnder(l, QRect(-4, -4, 20, 26), QPalette::Dark));
        for (QFrame* f : hidden)
            f->hide();
        t.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.window));
        t.show(QStringLiteral("1134"), Tone::Blue);
        QVERIFY(t.figure->testAttribute(Qt::WA_OpaquePaintEvent));

        QPalette green = t.window.palette();
        green.setColor(QPalette::Window, QColor(200, 230, 200));
        t.window.setPalette(green);
        t.show(QStringLiteral("1135"), Tone::Red);
        std::array<QImage, 2> seen = t.seen();
        QCOMPARE(seen[0].pixel(t.at(30, 1)), QColor(200, 230, 200).rgb());
        QVERIFY(seen[0] == seen[1]);

        for (QFrame* f : hidden)
            f->show();
        t.show(QStringLiteral("1136"), Tone::Blue);
        seen = t.seen();
        QVERIFY(seen[0] == seen[1]);
        QCOMPARE(seen[0].pixel(t.at(2, 2)), t.window.palette().color(QPalette::Dark).rgb());

        for (QFrame* f : hidden)
            f->hide();
        t.show(QStringLiteral("1137"), Tone::Red);
        QVERIFY(t.figure->testAttribute(Qt::WA_OpaquePaintEvent));
        for (QLabel* l : {static_cast<QLabel*>(t.figure), t.label})
            frameUnder(l, QRect(20, 4, 60, 18), QPalette::Highlight)->show();
        t.show(QStringLiteral("1138"), Tone::Blue);
        seen = t.seen();
        QVERIFY(seen[0] == seen[1]);
        QCOMPARE(seen[0].pixel(t.at(59, 17)), t.window.palette().color(QPalette::Highlight).rgb());
    }
};

QTEST_MAIN(FigureLabelTest)
#include "figurelabel_test.moc"
