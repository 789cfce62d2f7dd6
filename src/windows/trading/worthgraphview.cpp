#include "windows/trading/worthgraphview.h"

#include "trading/performance.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace quotara {

namespace {

const QColor kWorthSilver(192, 192, 192);
// A short record shows each day as a dot, so a single day can be seen at all.
constexpr std::size_t kMostDots = 62;
// The most lines of the curve drawn over the picture before they join it.
constexpr std::size_t kMostLiveLines = 32;

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
    case WorthInk::SecondCurve:
        return QPen(QColor(0, 0, 200), 2);
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

WorthGraphView::Frame WorthGraphView::frameOf(const GameState& state) {
    return {recordStart(state),
            state.target,
            state.endday,
            state.endmonth,
            {state.p1name.toQString(), state.p2name.toQString()}};
}

void WorthGraphView::showRecord(const GameState& state) {
    const bool same = state_ == &state;
    state_ = &state;
    if (!same || !addDays()) redraw();
}

bool WorthGraphView::Curve::grown(const std::vector<DayClose>& days, std::size_t shown) const {
    if (shown == 0) return days.empty();
    return days.size() >= shown && days.front() == first &&
           (shown < 2 || days[shown - 2] == settled);
}

void WorthGraphView::Curve::note(const std::vector<DayClose>& days) {
    first = days.empty() ? DayClose{} : days.front();
    settled = days.size() >= 2 ? days[days.size() - 2] : DayClose{};
}

bool WorthGraphView::addDays() {
    const PlayRecord& record = state_->record;
    const std::size_t shown = graph_.points.size(), shownSecond = graph_.secondPoints.size();
    // The same record grown: the first day and the last settled one of each player are where
    // they were.
    if (picture_.isNull() || shown == 0 || frameOf(*state_) != frame_ ||
        !curves_[0].grown(record.days, shown) ||
        !curves_[1].grown(record.secondDays, shownSecond) ||
        (shown <= kMostDots) != (record.days.size() <= kMostDots))
        return false;
    // The newest line of each curve moves with today's trades: from its first point on.
    const std::size_t moved = shown >= 2 ? shown - 2 : 0;
    const std::size_t movedSecond = shownSecond >= 2 ? shownSecond - 2 : 0;
    const QRect changed = curveBounds(graph_.points, moved, shown - 1) |
                          curveBounds(graph_.secondPoints, movedSecond, shownSecond - 1);
    if (!extendWorthGraph(graph_, record, shown - 1, shownSecond ? shownSecond - 1 : 0))
        return false;
    curves_[0].note(record.days);
    curves_[1].note(record.secondDays);
    // The settled lines join the picture a few dozen at a time, not a painter each day.
    const std::size_t newest = graph_.points.size() - 1;
    if (newest - pictured_ > kMostLiveLines) {
        QPainter p(&picture_);
        drawCurves(p, pictured_, newest - 1, rect());
        pictured_ = newest - 1;
    }
    update(changed | curveBounds(graph_.points, moved, newest) |
           curveBounds(graph_.secondPoints, movedSecond, graph_.secondPoints.size() - 1));
    return true;
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
    frame_ = frameOf(*state_);
    curves_[0].note(state_->record.days);
    curves_[1].note(state_->record.secondDays);
    if (marked_ >= static_cast<int>(graph_.points.size())) marked_ = -1;
    labels_.clear();
    for (const WorthText& t : graph_.texts) {
        Label& label = labels_.emplace_back();
        label.text.setText(t.text);
        label.text.setTextFormat(Qt::PlainText);
        label.text.prepare(QTransform(), font());
        label.box = QRect(t.topLeft, QSize(fm.horizontalAdvance(t.text) + 1, fm.height()));
        label.colour = penOf(t.ink).color();
    }
    paintPicture();
    update();
}

void WorthGraphView::paintPicture() {
    pictured_ = graph_.points.size() >= 2 ? graph_.points.size() - 2 : 0;
    const qreal ratio = devicePixelRatioF();
    picture_ = QPixmap(size() * ratio);
    picture_.setDevicePixelRatio(ratio);
    QPainter p(&picture_);
    p.fillRect(rect(), kWorthSilver);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    for (const WorthLine& l : graph_.lines) {
        p.setPen(penOf(l.ink));
        p.drawLine(l.from, l.to);
    }
    if (graph_.points.size() >= 2) drawCurves(p, 0, pictured_, rect());
}

void WorthGraphView::drawCurves(QPainter& p, std::size_t from, std::size_t to,
                                const QRect& within) const {
    // Player 2's record may lack the first days of a game saved before it was kept.
    const std::size_t lag =
        graph_.points.size() - std::min(graph_.points.size(), graph_.secondPoints.size());
    drawCurve(p, graph_.points, WorthInk::Curve, from, to, within);
    if (!graph_.secondPoints.empty() && to >= lag)
        drawCurve(p, graph_.secondPoints, WorthInk::SecondCurve, from > lag ? from - lag : 0,
                  to - lag, within);
}

void WorthGraphView::drawCurve(QPainter& p, const std::vector<QPoint>& points, WorthInk ink,
                               std::size_t from, std::size_t to, const QRect& within) const {
    to = std::min(to, points.size() - 1);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(penOf(ink));
    for (std::size_t i = from; i < to; ++i)
        if (within.intersects(curveBounds(points, i, i + 1))) p.drawLine(points[i], points[i + 1]);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (points.size() > kMostDots) return;
    p.setPen(Qt::NoPen);
    p.setBrush(penOf(ink).color());
    for (std::size_t i = from; i <= to; ++i)
        p.drawRect(QRect(points[i] - QPoint(2, 2), QSize(5, 5)));
    p.setBrush(Qt::NoBrush);
}

QRect WorthGraphView::curveBounds(const std::vector<QPoint>& points, std::size_t from,
                                  std::size_t to) {
    QRect bounds;
    for (std::size_t i = from; i <= to && i < points.size(); ++i)
        bounds |= QRect(points[i], QSize(1, 1));
    return bounds.isNull() ? bounds : bounds.adjusted(-3, -3, 3, 3); // the pen and the dots
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
    const QString text = dayText(static_cast<std::size_t>(day));
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
    return day ? dayText(static_cast<std::size_t>(*day)) : QString();
}

QString WorthGraphView::dayText(std::size_t day) const {
    if (!state_ || day >= state_->record.days.size()) return QString();
    const DayClose& first = state_->record.days[day];
    const std::vector<DayClose>& second = state_->record.secondDays;
    if (second.empty()) return worthDayText(first);
    // Each player's position that day, by name.
    const auto other = std::find_if(second.begin(), second.end(),
                                    [&](const DayClose& d) { return d.date == first.date; });
    QString text = state_->p1name.toQString() + QStringLiteral(": ") + worthDayText(first);
    if (other != second.end())
        text += QLatin1Char('\n') + state_->p2name.toQString() + QStringLiteral(": ") +
                worthDayText(*other);
    return text;
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

void WorthGraphView::paintEvent(QPaintEvent* e) {
    if (picture_.devicePixelRatio() != devicePixelRatioF()) paintPicture(); // another screen
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
    if (!graph_.points.empty()) drawCurves(p, pictured_, graph_.points.size() - 1, e->rect());
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
    // Over the curve: the texts, laid out once for each drawing.
    for (const Label& label : labels_) {
        if (!e->rect().intersects(label.box)) continue;
        p.setPen(label.colour);
        p.drawStaticText(label.box.topLeft(), label.text);
    }
}

} // namespace quotara
