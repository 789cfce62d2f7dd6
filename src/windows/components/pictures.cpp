#include "windows/components/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace quotara {

namespace {

QFont serif(int px, bool bold = false) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

void person(QPainter& p, QPointF head, QColor colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(head, 5, 5);
    QPainterPath body;
    body.moveTo(head.x() - 9, head.y() + 22);
    body.cubicTo(head.x() - 9, head.y() + 6, head.x() + 9, head.y() + 6, head.x() + 9,
                 head.y() + 22);
    body.closeSubpath();
    p.drawPath(body);
}

} // namespace

QPixmap titleBand(QSize size) {
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(16, 32, 96));
    sky.setColorAt(1, QColor(4, 8, 40));
    p.fillRect(pm.rect(), sky);
    return pm;
}

QPixmap newGameTitle(QSize size) {
    QPixmap pm = titleBand(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 64, 140), 1));
    for (int x = 8; x < size.width(); x += 24)
        p.drawLine(x, 4, x, size.height() - 4);
    // A price line that ends higher than it starts.
    const int n = 12;
    const int ys[n] = {44, 40, 46, 36, 38, 30, 34, 24, 28, 18, 22, 10};
    QPolygonF line;
    for (int i = 0; i < n; ++i)
        line << QPointF(8 + i * (size.width() - 16) / (n - 1.0), ys[i]);
    p.setPen(QPen(QColor(64, 220, 96), 2));
    p.drawPolyline(line);
    p.setFont(serif(36, true));
    p.setPen(QColor(4, 8, 40));
    p.drawText(pm.rect().translated(2, 2), Qt::AlignCenter, QStringLiteral("Quotara"));
    p.setPen(QColor(255, 214, 64));
    p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("Quotara"));
    return pm;
}

QIcon modePicture(int mode, QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blue(32, 64, 160), red(176, 32, 32);
    switch (mode) {
    case 1: { // one player climbing the levels
        person(p, {12, 8}, blue);
        p.setPen(QPen(QColor(196, 140, 20), 3));
        p.setBrush(Qt::NoBrush);
        QPolygonF steps;
        steps << QPointF(26, 34) << QPointF(34, 34) << QPointF(34, 26) << QPointF(42, 26)
              << QPointF(42, 18) << QPointF(50, 18) << QPointF(50, 10);
        p.drawPolyline(steps);
        break;
    }
    case 2: { // an open-ended chart
        p.setPen(QPen(Qt::gray, 1));
        p.drawLine(4, 34, 52, 34);
        p.drawLine(4, 34, 4, 2);
        p.setPen(QPen(QColor(0, 140, 48), 2));
        p.drawPolyline(QPolygonF{{QPointF(6, 28), QPointF(16, 22), QPointF(24, 26), QPointF(34, 14),
                                  QPointF(42, 18), QPointF(52, 6)}});
        break;
    }
    default: // two players
        person(p, {18, 8}, blue);
        person(p, {38, 8}, red);
        break;
    }
    return QIcon(pm);
}

// A stack of three gold bars on a night-blue band with the game's name.
QPixmap endOfLevelTitle(QSize size) {
    QPixmap pm = titleBand(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    auto bar = [&p](QPointF at) {
        const qreal w = 40, h = 14, lip = 6;
        QPainterPath path;
        path.moveTo(at.x() + lip, at.y());
        path.lineTo(at.x() + w - lip, at.y());
        path.lineTo(at.x() + w, at.y() + h);
        path.lineTo(at.x(), at.y() + h);
        path.closeSubpath();
        QLinearGradient gold(at, at + QPointF(0, h));
        gold.setColorAt(0, QColor(255, 236, 140));
        gold.setColorAt(1, QColor(196, 140, 20));
        p.setPen(QPen(QColor(120, 80, 0), 1));
        p.setBrush(gold);
        p.drawPath(path);
    };
    const qreal base = size.height() - 8;
    bar({12, base - 14});
    bar({54, base - 14});
    bar({33, base - 28});

    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(30);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(255, 214, 64));
    p.drawText(QRect(104, 0, size.width() - 112, size.height()), Qt::AlignCenter,
               QStringLiteral("Quotara"));
    return pm;
}

QPixmap tipPicture() {
    QPixmap pix(33, 33);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    // Rays around the glass.
    p.setPen(QPen(QColor(230, 170, 0), 1.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(16.5, 12.5);
    for (int i = 0; i < 7; ++i) {
        const QLineF ray = QLineF::fromPolar(13, 180 - i * 30).translated(centre);
        p.drawLine(QLineF(ray.pointAt(0.78), ray.p2()));
    }
    // The glass, lit from the upper left.
    QRadialGradient glow(QPointF(14, 10), 10);
    glow.setColorAt(0, QColor(255, 255, 220));
    glow.setColorAt(1, QColor(255, 210, 40));
    p.setPen(QPen(QColor(150, 110, 0), 1));
    p.setBrush(glow);
    QPainterPath glass;
    glass.addEllipse(centre, 8, 8);
    glass.addRect(QRectF(12.5, 17, 8, 6));
    p.drawPath(glass.simplified());
    // The screw base.
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(QColor(160, 160, 170));
    p.drawRoundedRect(QRectF(12.5, 23, 8, 6), 1.5, 1.5);
    p.drawLine(QPointF(12.5, 25), QPointF(20.5, 25));
    p.drawLine(QPointF(12.5, 27), QPointF(20.5, 27));
    return pix;
}

QIcon nextTipGlyph() {
    QPixmap pix(16, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(2, 6);
    arrow.lineTo(8, 6);
    arrow.lineTo(8, 2);
    arrow.lineTo(14, 8);
    arrow.lineTo(8, 14);
    arrow.lineTo(8, 10);
    arrow.lineTo(2, 10);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0, 96, 0), 1));
    p.setBrush(QColor(0, 160, 0));
    p.drawPath(arrow);
    return QIcon(pix);
}

} // namespace quotara
