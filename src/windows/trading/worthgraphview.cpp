#include "windows/trading/worthgraphview.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace quotara {

namespace {

const QColor kWorthSilver(192, 192, 192);

// Each line has its own dash as well as its colour, so none is told apart by colour alone.
QPen penOf(WorthInk ink) {
    switch (ink) {
    case WorthInk::Start:
        return QPen(Qt::blue, 1, Qt::DashLine);
    case WorthInk::Target:
        return QPen(QColor(0, 110, 0), 1, Qt::DashDotLine);
    case WorthInk::Deadline:
        return QPen(Qt::black, 1, Qt::DotLine);
    case WorthInk::Curve:
        return QPen(Qt::red, 2);
    case WorthInk::Axis:
        break;
    }
    return QPen(Qt::black, 1);
}

} // namespace

WorthGraphView::WorthGraphView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void WorthGraphView::showRecord(const GameState& state) {
    state_ = &state;
    redraw();
}

void WorthGraphView::redraw() {
    if (!state_) return;
    const QFontMetrics fm(font());
    WorthGraphInput in;
    in.width = width();
    in.height = height();
    in.lineHeight = fm.height();
    in.textWidth = [&fm](const QString& t) { return fm.horizontalAdvance(t); };
    graph_ = worthGraph(*state_, in);
    if (marked_ >= static_cast<int>(graph_.points.size())) marked_ = -1;
    update();
}

void WorthGraphView::keyPressEvent(QKeyEvent* e) {
    const int last = static_cast<int>(graph_.points.size()) - 1;
    int day = marked_;
    switch (e->key()) {
    case Qt::Key_Home:
        day = 0;
        break;
    case Qt::Key_End:
        day = last;
        break;
    case Qt::Key_Left:
        day = marked_ < 0 ? last : std::max(0, marked_ - 1);
        break;
    case Qt::Key_Right:
        day = marked_ < 0 ? 0 : std::min(last, marked_ + 1);
        break;
    default:
        QWidget::keyPressEvent(e);
        return;
    }
    if (last < 0 || !state_) return;
    marked_ = day;
    const QPoint at = graph_.points[static_cast<std::size_t>(day)];
    const QString text = worthDayText(state_->record.days[static_cast<std::size_t>(day)]);
    setAccessibleName(text);
    QToolTip::showText(mapToGlobal(at), text, this, QRect(at - QPoint(3, 3), QSize(7, 7)));
    update();
}

void WorthGraphView::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    update();
}

void WorthGraphView::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    update();
}

QString WorthGraphView::textAt(int x) const {
    const auto day = worthDayAt(graph_, x);
    if (!day || !state_ || static_cast<std::size_t>(*day) >= state_->record.days.size())
        return QString();
    return worthDayText(state_->record.days[static_cast<std::size_t>(*day)]);
}

bool WorthGraphView::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(e);
        const QString text = textAt(help->pos().x());
        if (text.isEmpty())
            QToolTip::showText(help->globalPos(), toolTip(), this);
        else
            QToolTip::showText(help->globalPos(), text, this,
                               QRect(help->pos() - QPoint(3, 3), QSize(7, 7)));
        return true;
    }
    return QWidget::event(e);
}

void WorthGraphView::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    redraw();
}

void WorthGraphView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kWorthSilver);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    for (const WorthLine& l : graph_.lines) {
        p.setRenderHint(QPainter::Antialiasing, l.ink == WorthInk::Curve);
        p.setPen(penOf(l.ink));
        p.drawLine(l.from, l.to);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    // A short record shows each day as a dot, so a single day can be seen at all.
    if (graph_.points.size() <= 62) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::red);
        for (const QPoint& pt : graph_.points)
            p.drawRect(QRect(pt - QPoint(2, 2), QSize(5, 5)));
    }
    if (marked_ >= 0) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(
            QRect(graph_.points[static_cast<std::size_t>(marked_)] - QPoint(4, 4), QSize(8, 8)));
    }
    if (hasFocus()) {
        // A dotted frame: the graph has the arrow keys.
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
    const QFontMetrics fm(font());
    for (const WorthText& t : graph_.texts) {
        p.setPen(penOf(t.ink).color());
        p.drawText(QRect(t.topLeft, QSize(fm.horizontalAdvance(t.text) + 1, fm.height())),
                   Qt::AlignLeft | Qt::AlignTop, t.text);
    }
}

} // namespace quotara
