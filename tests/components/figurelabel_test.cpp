// A figure label draws what QLabel draws, pixel for pixel, for every text, font, colour, room
// and alignment it is given in turn: its kept layout or glyphs never show an old text or font,
// and its figures are placed and kerned as Qt's own layout places them.

#include "components/figurelabel.h"
#include "components/look.h"

#include <QImage>
#include <QTest>

using namespace quotara;

namespace {

QImage shot(QLabel& label) {
    QImage img(label.size(), QImage::Format_RGB32);
    label.render(&img);
    return img;
}

} // namespace

class FigureLabelTest : public QObject {
    Q_OBJECT

  private slots:
    void drawsWhatQLabelDrawsForEachTextInTurn() {
        const QStringList texts = {"1134", "1135", "+11", "-0",  "\u00a31,234",  "1.25%",
                                   "11p",  "1 1",  "11 ", "N/A", "Goldman Sachs"};
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
                        QVERIFY2(shot(figure) == shot(label),
                                 qPrintable(QStringLiteral("'%1' in %2x%3, alignment %4")
                                                .arg(text)
                                                .arg(room.width())
                                                .arg(room.height())
                                                .arg(int(align))));
                    }
                }
            }
        }
    }
};

QTEST_MAIN(FigureLabelTest)
#include "figurelabel_test.moc"
