#include "components/scroller.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace quotara {

TextScroller::TextScroller(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted here, so nothing is erased underneath and the text does not flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    timer_.setInterval(200);
    connect(&timer_, &QTimer::timeout, this, &TextScroller::tick);
    timer_.start();
}

void TextScroller::setScrollText(const QString& text) {
    text_ = text;
    setAccessibleDescription(text.trimmed());
    render();
}

void TextScroller::setTextColor(const QColor& colour) {
    colour_ = colour;
    render();
}

void TextScroller::render() {
    const QFontMetrics fm(font());
    const int width = fm.horizontalAdvance(text_);
    if (width <= 0) {
        image_ = QImage();
    } else {
        image_ = QImage(width, fm.height(), QImage::Format_RGB32);
        image_.fill(palette().color(backgroundRole()));
        QPainter p(&image_);
        p.setFont(font());
        p.setPen(colour_);
        p.drawText(0, fm.ascent(), text_);
    }
    update();
}

void TextScroller::tick() {
    pos_ = static_cast<std::uint16_t>(pos_ + pixels_);
    if (pos_ > image_.width() + width()) pos_ = 0;
    if (isVisible()) repaint();
}

void TextScroller::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(backgroundRole()));
    if (!image_.isNull()) p.drawImage(width() - pos_, 0, image_);
}

void TextScroller::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) render();
    QWidget::changeEvent(event);
}

} // namespace quotara
