#include "windows/trading/summaryview.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace quotara {

namespace {

const QString kSeparator = QStringLiteral(" - ");

// Lays out a text at a line width (-1: all on one line). A static text keeps its glyphs, so
// a part that did not change costs nothing to draw again.
void layText(QStaticText& text, const QFont& font, int width) {
    text.setTextFormat(Qt::PlainText);
    text.setTextWidth(width);
    text.prepare(QTransform(), font);
}

} // namespace

SummaryView::SummaryView(QWidget* parent) : QWidget(parent), separator_(kSeparator) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    separatorWidth_ = fontMetrics().horizontalAdvance(kSeparator);
    layText(separator_, font(), -1);
}

SummaryView::~SummaryView() = default;

QString SummaryView::text() const {
    QStringList texts;
    for (const Part& part : parts_)
        texts << part.text;
    return texts.join(kSeparator);
}

void SummaryView::lay(Part& part, int width) const {
    part.glyphs.setText(part.text);
    layText(part.glyphs, font(), width);
    part.laid = true;
    part.wrappedAt = width;
    if (width < 0) part.width = static_cast<int>(std::ceil(part.glyphs.size().width()));
}

void SummaryView::setParts(const QStringList& texts) {
    const bool counted = texts.size() == static_cast<qsizetype>(parts_.size());
    parts_.resize(static_cast<std::size_t>(texts.size()));
    bool changed = !counted;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        Part& part = parts_[i];
        if (part.laid && part.text == texts[static_cast<qsizetype>(i)]) continue;
        part.text = texts[static_cast<qsizetype>(i)];
        part.fresh = true;
        lay(part, -1);
        changed = true;
    }
    if (!changed) return;
    setAccessibleDescription(text());
    layOut();
    if (!counted) update(); // a part gone leaves its place blank
}

int SummaryView::heightAt(const Part& part, int width) const {
    if (part.width <= width) return fontMetrics().height();
    if (part.wrappedAt == width) return static_cast<int>(std::ceil(part.glyphs.size().height()));
    QStaticText wrapped(part.text);
    layText(wrapped, font(), width);
    return static_cast<int>(std::ceil(wrapped.size().height()));
}

std::vector<SummaryView::Place> SummaryView::place(int width, int* height) const {
    std::vector<Place> places(parts_.size());
    int x = 0, y = 0;
    *height = 0;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const Part& part = parts_[i];
        if (x > 0 && x + separatorWidth_ + part.width > width) {
            x = 0;
            y = *height;
        }
        Place& at = places[i];
        at.separated = x > 0;
        if (at.separated) x += separatorWidth_;
        // A part wider than the whole line takes lines of its own, wrapped between its words.
        const bool fits = part.width <= width;
        const int partHeight = heightAt(part, width);
        at.box = QRect(x, y, fits ? part.width : width, partHeight);
        *height = std::max(*height, y + partHeight);
        x = fits ? x + part.width : width;
    }
    return places;
}

void SummaryView::layOut() {
    int height = 0;
    const std::vector<Place> places = place(width(), &height);
    QRegion changed;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        Part& part = parts_[i];
        const Place& at = places[i];
        const bool fits = part.width <= width();
        if (fits != (part.wrappedAt < 0) || (!fits && part.wrappedAt != width()))
            lay(part, fits ? -1 : width());
        if (!part.fresh && part.box == at.box && part.separated == at.separated) continue;
        changed += part.box;
        changed += at.box;
        if (at.separated)
            changed += QRect(at.box.left() - separatorWidth_, at.box.top(), separatorWidth_,
                             fontMetrics().height());
        part.box = at.box;
        part.separated = at.separated;
        part.fresh = false;
    }
    if (height != this->height()) updateGeometry();
    update(changed);
}

int SummaryView::heightForWidth(int width) const {
    int height = 0;
    place(width, &height);
    return height;
}

QSize SummaryView::sizeHint() const {
    int width = 0;
    for (const Part& part : parts_)
        width += (width > 0 ? separatorWidth_ : 0) + part.width;
    return {width, fontMetrics().height()};
}

QSize SummaryView::minimumSizeHint() const {
    return {0, fontMetrics().height()};
}

void SummaryView::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    layOut();
}

void SummaryView::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() != QEvent::FontChange) return;
    separatorWidth_ = fontMetrics().horizontalAdvance(kSeparator);
    layText(separator_, font(), -1);
    for (Part& part : parts_) {
        lay(part, -1);
        part.fresh = true;
    }
    layOut();
    updateGeometry();
}

void SummaryView::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = fontMetrics().height();
    for (const Part& part : parts_) {
        const QRect separator(part.box.left() - separatorWidth_, part.box.top(), separatorWidth_,
                              lineHeight);
        if (part.separated && e->rect().intersects(separator))
            p.drawStaticText(separator.topLeft(), separator_);
        if (part.laid && e->rect().intersects(part.box))
            p.drawStaticText(part.box.topLeft(), part.glyphs);
    }
}

} // namespace quotara
