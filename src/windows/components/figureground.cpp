// The figure label's ground: the one colour beneath it, seen in the window's backing store,
// which it then paints itself.

#include "windows/components/figurelabel.h"

#include <QBackingStore>
#include <QImage>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace quotara {

namespace {

// Ties what the windows above the label look like: their palettes, as they stand.
qint64 groundKey(const QWidget* label) {
    qint64 key = 0;
    for (const QWidget* w = label->parentWidget(); w;
         w = w->isWindow() ? nullptr : w->parentWidget())
        key = key * 31 + w->palette().cacheKey();
    return key;
}

// Where the label and the windows above it stand among their siblings: a widget put beneath
// any of them (a focus frame stacked under its widget, one lowered) moves them up.
qint64 groundPlace(const QWidget* label) {
    qint64 place = 0;
    for (const QWidget* w = label; !w->isWindow() && w->parentWidget(); w = w->parentWidget())
        place = place * 1009 + w->parentWidget()->children().indexOf(w);
    return place;
}

} // namespace

void FigureLabel::findBeneath() {
    // Beneath the label must be only what its parents paint themselves: a widget shown under
    // it could change without the label knowing. Those there (the other pages of a stack, a
    // focus frame) are watched while hidden.
    beneath_.clear();
    for (const QWidget* w = this; !w->isWindow() && w->parentWidget(); w = w->parentWidget())
        for (QObject* o : w->parentWidget()->children()) {
            if (o == w) break;
            auto* sibling = qobject_cast<QWidget*>(o);
            if (sibling && !sibling->isWindow() && sibling->geometry().intersects(w->geometry()))
                beneath_.emplace_back(sibling);
        }
    groundPlace_ = groundPlace(this);
}

bool FigureLabel::stillAlone() const {
    return groundPlace(this) == groundPlace_ &&
           std::all_of(beneath_.begin(), beneath_.end(),
                       [](const QPointer<QWidget>& w) { return !w || w->isHidden(); });
}

void FigureLabel::learnGround(const QPainter& painter, const QPaintEvent* event) {
    // Only a paint into the window's own backing store shows what lies beneath, and only when
    // the whole label was just painted over. Looked for again when a widget that was shown
    // beneath it is hidden.
    if ((groundTried_ && !(groundBlocked_ && stillAlone())) || !event->region().contains(rect()))
        return;
    const QPaintEngine* engine = painter.paintEngine();
    QBackingStore* store = window()->backingStore();
    if (!engine || !store || engine->paintDevice() != store->paintDevice() ||
        engine->paintDevice()->devType() != QInternal::Image)
        return;
    groundTried_ = true;
    groundKey_ = groundKey(this);
    findBeneath();
    groundBlocked_ = !stillAlone();
    if (groundBlocked_ || isWindow() || autoFillBackground()) return;
    const auto* image = static_cast<const QImage*>(engine->paintDevice());
    const QRect pixels = painter.deviceTransform().mapRect(QRectF(rect())).toAlignedRect();
    if (pixels.isEmpty() || !image->rect().contains(pixels)) return;
    const QRgb first = image->pixel(pixels.topLeft());
    if (qAlpha(first) != 255) return;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (image->pixel(x, y) != first) return;
    ground_ = QColor::fromRgb(first);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FigureLabel::forgetGround() {
    groundTried_ = false;
    if (!ground_) return;
    ground_.reset();
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    update();
}

void FigureLabel::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::PaletteChange:
        // A figure's new tone is a palette change of the label's own: nothing beneath changed.
        if (groundKey(this) != groundKey_) forgetGround();
        break;
    case QEvent::StyleChange:
    case QEvent::ParentChange:
    case QEvent::EnabledChange:
    case QEvent::ActivationChange:
        forgetGround();
        break;
    default:
        break;
    }
    QLabel::changeEvent(event);
}

void FigureLabel::moveEvent(QMoveEvent* event) {
    forgetGround();
    QLabel::moveEvent(event);
}

void FigureLabel::resizeEvent(QResizeEvent* event) {
    forgetGround();
    QLabel::resizeEvent(event);
}

} // namespace quotara
