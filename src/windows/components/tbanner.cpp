#include "windows/components/tbanner.h"

#include "state/messages.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>
#include <QtDebug>

namespace quotara {

namespace {

// What a reader hears of the scrolling text: each item on a line of its own, where a run of
// blanks parts the items in the picture.
QString readableText(const QStringList& lines) {
    static const QRegularExpression gap(QStringLiteral("\\s{3,}"));
    QStringList items;
    for (const QString& line : lines)
        for (const QString& item : line.split(gap, Qt::SkipEmptyParts))
            if (!item.trimmed().isEmpty()) items << item.trimmed();
    return items.join(QLatin1Char('\n'));
}

} // namespace

void TBanner::tellReaders(const QString& text) {
    // The name is what readers announce and the bus reports reliably; with no text the
    // banner goes by the name its form gave it. Qt tells the bus of the change.
    if (!text.isEmpty())
        setAccessibleName(text);
    else if (!formName_.isEmpty())
        setAccessibleName(formName_);
}

namespace {
const QString kNothingToScroll =
    QStringLiteral("Assign a bitmap or text to banner before enabling");
} // namespace

TBanner::TBanner(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted here, so the parent never erases underneath.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 100);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(interval_);
    connect(&timer_, &QTimer::timeout, this, &TBanner::ScrollTick);
    // A form sets its properties right after construction; the step after loading follows
    // when control returns to the event loop, unless the owner runs it first.
    QMetaObject::invokeMethod(this, &TBanner::loaded, Qt::QueuedConnection);
}

TBanner::~TBanner() = default;

void TBanner::loaded() {
    if (!loading_) return;
    loading_ = false;
    if (formName_.isEmpty()) formName_ = accessibleName();
    if (!scrollText_.isEmpty()) setScrollText(scrollText_);
    if (!lines_.isEmpty()) BuildLinesBitmap();
    if (autoEnable_ && !image_.isNull() && imageSize().height() > 0) setScrollingEnabled(true);
}

QSize TBanner::imageSize() const {
    return image_.deviceIndependentSize().toSize();
}

bool TBanner::imageMissing() const {
    return image_.isNull() || imageSize().isEmpty();
}

void TBanner::reportError(const QString& text) {
    if (messages_)
        messages_->show(Messages::Kind::Error, text);
    else
        qWarning("%s", qPrintable(text));
}

void TBanner::setScrollingEnabled(bool on) {
    if (loading_) return;
    if (on && imageMissing()) {
        // Rendered silently here: a second round of switch events would say nothing new.
        if (!lines_.isEmpty())
            renderLines();
        else if (!scrollText_.isEmpty())
            renderText();
        if (imageMissing()) {
            reportError(kNothingToScroll);
            return;
        }
    }
    // A rendered image can be made again; an assigned picture cannot.
    if (!on && imageRendered()) image_ = QPixmap();
    enabled_ = on;
    updateTimer();
    if (on)
        emit OnEnable();
    else
        emit OnDisable();
}

void TBanner::updateTimer() {
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

void TBanner::setScrollInterval(quint16 ms) {
    interval_ = ms;
    timer_.setInterval(ms);
    updateTimer();
}

void TBanner::setScrollText(const QString& text) {
    setScrollingEnabled(false);
    lines_.clear();
    scrollText_ = text;
    renderText();
    tellReaders(readableText(QStringList{text}));
    if (autoEnable_) setScrollingEnabled(true);
    // While scrolling, the next tick shows the new text; a repaint now would cost the window
    // a flush of its own.
    if (!timer_.isActive()) update();
}

void TBanner::renderText() {
    const QFontMetrics fm(font());
    if (!newImage({fm.horizontalAdvance(scrollText_), fm.height()})) return;
    QPainter p(&image_);
    p.setFont(font());
    p.setPen(fontColor_);
    p.drawText(0, fm.ascent(), scrollText_);
}

bool TBanner::newImage(QSize size) {
    if (size.isEmpty()) {
        image_ = QPixmap();
        return false;
    }
    // Rendered at the screen's pixel density so the text stays sharp when scaled.
    const qreal ratio = devicePixelRatioF();
    image_ = QPixmap(size * ratio);
    image_.setDevicePixelRatio(ratio);
    image_.fill(color());
    return true;
}

void TBanner::setLines(const QStringList& lines) {
    lines_ = lines;
    tellReaders(readableText(lines));
    BuildLinesBitmap();
}

void TBanner::setLinesAlign(TAlignment align) {
    if (align == linesAlign_) return;
    linesAlign_ = align;
    if (!lines_.isEmpty()) BuildLinesBitmap();
}

void TBanner::BuildLinesBitmap() {
    const bool wasOn = enabled_;
    setScrollingEnabled(false);
    scrollText_.clear();
    renderLines();
    setAccessibleDescription(lines_.join(u' ').trimmed());
    update();
    if (wasOn || autoEnable_) setScrollingEnabled(true);
}

void TBanner::renderLines() {
    const QFontMetrics fm(font());
    int maxw = 0;
    for (const QString& line : lines_)
        maxw = std::max(maxw, fm.horizontalAdvance(line));
    const int lh = fm.height(); // the cell of "Xj": ascent and descent
    if (!newImage({maxw, int(lines_.size()) * lh})) return;
    QPainter p(&image_);
    p.setFont(font());
    p.setPen(fontColor_);
    const auto align = static_cast<banner::Alignment>(linesAlign_);
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const int x = banner::lineX(align, maxw, fm.horizontalAdvance(lines_[i]));
        p.drawText(x, int(i) * lh + fm.ascent(), lines_[i]);
    }
}

void TBanner::setBitmap(const QPixmap& picture) {
    image_ = picture;
    scrollText_.clear();
    lines_.clear();
    update();
    if (autoEnable_ && imageSize().width() != 0) setScrollingEnabled(true);
}

void TBanner::setScrollDirection(TScrollDirection direction) {
    scroll_.setDirection(static_cast<banner::ScrollDirection>(direction), imageSize(), size());
}

QColor TBanner::color() const {
    return color_.isValid() ? color_ : palette().color(QPalette::Window);
}

void TBanner::setColor(const QColor& colour) {
    color_ = colour;
    rerender();
}

void TBanner::unsetColor() {
    setColor(QColor());
}

void TBanner::setFontColor(const QColor& colour) {
    fontColor_ = colour;
    rerender();
}

// A new face or colour shows at once; scrolling goes on as it was.
void TBanner::rerender() {
    if (!image_.isNull() && !scrollText_.isEmpty())
        renderText();
    else if (!image_.isNull() && !lines_.isEmpty())
        renderLines();
    update();
}

void TBanner::ScrollTick() {
    if (!scroll_.step(imageSize(), size())) setScrollingEnabled(false);
    if (isVisible()) repaint();
    emit OnScroll();
}

void TBanner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), color());
    if (image_.isNull()) return;
    for (const QPoint& at : scroll_.copies(imageSize(), size()))
        p.drawPixmap(at, image_);
}

void TBanner::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange ||
        (event->type() == QEvent::PaletteChange && !color_.isValid()))
        rerender();
    QWidget::changeEvent(event);
}

} // namespace quotara
