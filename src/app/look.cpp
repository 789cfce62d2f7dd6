#include "app/look.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <cmath>

namespace quotara {

void applyLook(QApplication& app) {
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    app.setFont(font);
    app.setWindowIcon(programIcon());
}

namespace {
void toPixels(QWidget* w) {
    if (!w->testAttribute(Qt::WA_SetFont)) return;
    QFont f = w->font();
    if (!(f.resolveMask() & QFont::SizeResolved) || f.pointSizeF() <= 0) return;
    f.setPixelSize(static_cast<int>(std::lround(f.pointSizeF() * 96.0 / 72.0)));
    w->setFont(f);
}
} // namespace

void usePixelFonts(QWidget* root) {
    toPixels(root);
    for (QWidget* w : root->findChildren<QWidget*>())
        toPixels(w);
}

QColor colourOf(Tone tone) {
    switch (tone) {
    case Tone::Blue:
        return Qt::blue;
    case Tone::Red:
        return Qt::red;
    case Tone::Black:
        break;
    }
    return Qt::black;
}

void setTone(QWidget* widget, Tone tone) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, colourOf(tone));
    widget->setPalette(pal);
}

void setFittedText(QLabel* label, const QString& text) {
    const char* key = "formPixelSize";
    QFont f = label->font();
    if (!label->property(key).isValid())
        label->setProperty(key, f.pixelSize() > 0 ? f.pixelSize() : QFontInfo(f).pixelSize());
    int px = label->property(key).toInt();
    f.setPixelSize(px);
    while (px > 8 && QFontMetrics(f).horizontalAdvance(text) > label->width())
        f.setPixelSize(--px);
    if (f != label->font()) label->setFont(f);
    label->setText(text);
}

namespace {
class CompactTabStyle final : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
        case PM_TabBarTabHSpace:
            return 10;
        case PM_TabBarTabVSpace:
            return 6;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};
} // namespace

void useCompactTabs(QTabWidget* tabs) {
    auto* style = new CompactTabStyle;
    style->setParent(tabs); // a widget does not own the style it is given
    tabs->tabBar()->setStyle(style);
}

void useClassicFrame(QGroupBox* box) {
    QStyle* classic = QStyleFactory::create(QStringLiteral("Windows"));
    if (!classic) return;
    classic->setParent(box); // a widget does not own the style it is given
    box->setStyle(classic);
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void bringToFront(QWidget* window) {
    if (!window->isVisible()) centreOnScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
}

QPixmap titleBand(QSize size) {
    QPixmap pm(size);
    QPainter p(&pm);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(16, 32, 96));
    sky.setColorAt(1, QColor(4, 8, 40));
    p.fillRect(pm.rect(), sky);
    return pm;
}

QPixmap programPicture(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    p.scale(s, s);
    // A dark-blue board with a grid and a price line climbing to a gold bar.
    p.setPen(QPen(QColor(20, 30, 80), 1));
    p.setBrush(QColor(0, 40, 120));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
    p.setPen(QPen(QColor(70, 100, 170), 0.6));
    for (int i = 8; i < 32; i += 8) {
        p.drawLine(QPointF(3, i), QPointF(29, i));
        p.drawLine(QPointF(i, 3), QPointF(i, 29));
    }
    QPainterPath line;
    line.moveTo(4, 25);
    line.lineTo(10, 19);
    line.lineTo(14, 22);
    line.lineTo(20, 13);
    line.lineTo(24, 15);
    line.lineTo(28, 6);
    p.setPen(QPen(QColor(90, 230, 110), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
    p.setPen(QPen(QColor(150, 110, 0), 0.8));
    p.setBrush(QColor(240, 190, 40));
    QPolygonF bar;
    bar << QPointF(17, 27) << QPointF(29, 27) << QPointF(27, 23) << QPointF(19, 23);
    p.drawPolygon(bar);
    return pm;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64})
        icon.addPixmap(programPicture(size));
    return icon;
}

} // namespace quotara
