#include "trading/worthgraph.h"

#include "market/calendar.h"
#include "state/money.h"
#include "trading/performance.h"

#include <algorithm>
#include <cmath>

namespace quotara {

namespace {

// A step of 1, 2 or 5 times a power of ten that cuts range into about four parts.
std::int64_t niceStep(std::int64_t range) {
    const double raw = std::max<double>(static_cast<double>(range) / 4, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0, 10.0})
        if (raw <= m * power) return std::max<std::int64_t>(1, std::llround(m * power));
    return std::llround(10 * power);
}

std::int64_t floorTo(std::int64_t v, std::int64_t step) {
    const std::int64_t q = v / step;
    return (v % step != 0 && v < 0 ? q - 1 : q) * step;
}

// Days across a graph with no deadline: the days so far and room for more, in steps that
// keep the months' ticks where they were for a while. The curve fills from about half of the
// width to all of it.
int roomySpan(int days) {
    for (const int span : {7, 14, 31, 61, 92, 183})
        if (days < span) return span;
    for (int years = 1;; years *= 10)
        for (const int times : {1, 2, 3, 5})
            if (days < times * years * kYearDays) return times * years * kYearDays;
}

int yOf(const WorthGraph& g, std::int64_t pounds) {
    const double f = static_cast<double>(pounds - g.low) / static_cast<double>(g.high - g.low);
    return g.plot.bottom() - static_cast<int>(std::lround(f * g.plot.height()));
}

int xOf(const WorthGraph& g, int dayOffset) {
    return g.plot.left() + static_cast<int>(std::lround(dayOffset * g.dayWidth));
}

QString shortMonth(int month, int year) {
    const QString name = monthname(month).left(3);
    return month == 1 ? name + QLatin1Char(' ') + QString::number(year) : name;
}

} // namespace

WorthGraph worthGraph(const GameState& state, const WorthGraphInput& in) {
    WorthGraph g;
    const auto width = [&](const QString& t) {
        return in.textWidth ? in.textWidth(t) : static_cast<int>(t.size()) * 7;
    };
    const std::vector<DayClose>& days = state.record.days;
    const GameDate first = days.empty() ? gameDate(state) : days.front().date;
    const std::int64_t start = recordStart(state);
    const auto deadline = deadlineDate(state);

    // Two players race each other, not a target.
    const std::vector<DayClose>& second = state.record.secondDays;
    const bool two = !second.empty();
    const bool target = deadline && !two;

    // The values the scale must show: every worth, the starting money and the target.
    std::int64_t low = start, high = start;
    for (const auto* list : {&days, &second})
        for (const DayClose& d : *list) {
            low = std::min(low, d.worth);
            high = std::max(high, d.worth);
        }
    if (target) {
        low = std::min<std::int64_t>(low, state.target);
        high = std::max<std::int64_t>(high, state.target);
    }
    const std::int64_t step = niceStep(std::max<std::int64_t>(high - low, 40));
    g.low = floorTo(low, step);
    if (low - g.low < step / 4 && g.low >= step) g.low -= step; // room under the curve too
    g.high = std::max(floorTo(high, step) + step, g.low + step);
    if (g.high - high < step / 4) g.high += step; // room above the curve for the labels

    int labelWidth = 0;
    for (std::int64_t v = g.low; v <= g.high; v += step)
        labelWidth = std::max(labelWidth, width(signedPounds(v)));
    const int lh = in.lineHeight;
    g.plot = QRect(QPoint(labelWidth + 10, lh / 2 + 2), QPoint(in.width - 14, in.height - lh - 8));

    // Days across: from the first recorded day to the deadline, or with room for more.
    const int recorded = days.empty() ? 0 : daysBetween(first, days.back().date);
    int span = deadline ? std::max(recorded, daysBetween(first, *deadline)) : roomySpan(recorded);
    span = std::max(span, 1);
    g.first = first;
    g.span = span;
    g.firstDayX = g.plot.left();
    g.dayWidth = static_cast<double>(g.plot.width()) / span;
    const auto x = [&](int offset) { return xOf(g, offset); };

    const QRect& p = g.plot;
    g.lines.push_back({p.bottomLeft(), p.topLeft(), WorthInk::Axis});
    g.lines.push_back({p.bottomLeft(), p.bottomRight(), WorthInk::Axis});
    for (std::int64_t v = g.low; v <= g.high; v += step) {
        const int y = yOf(g, v);
        g.lines.push_back({{p.left() - 4, y}, {p.left(), y}, WorthInk::Axis});
        const QString t = signedPounds(v);
        g.texts.push_back({{p.left() - 6 - width(t), y - lh / 2}, t, WorthInk::Axis});
    }

    // The first of each month, as often as the labels have room for.
    const int monthWidth = std::max(1, static_cast<int>(std::lround(g.dayWidth * 30)));
    const int needed = (width(QStringLiteral("Jan 2000")) + 10 + monthWidth - 1) / monthWidth;
    int every = 1;
    for (const int n : {2, 3, 6, 12, 24, 60, 120, 600})
        if (every < needed) every = n;
    const auto nextMonth = [](GameDate m) {
        return GameDate{1, static_cast<std::uint8_t>(m.month % 12 + 1),
                        static_cast<std::uint16_t>(m.year + (m.month == 12 ? 1 : 0))};
    };
    GameDate m{1, first.month, first.year};
    if (first.day != 1) m = nextMonth(m);
    for (int offset; m.year >= first.year && (offset = daysBetween(first, m)) <= span;
         m = nextMonth(m)) {
        if ((m.year * 12 + m.month - 1) % every != 0) continue;
        const int xm = x(offset);
        g.lines.push_back({{xm, p.bottom()}, {xm, p.bottom() + 4}, WorthInk::Axis});
        // A month at the axis's right end keeps its name inside the picture.
        const QString name = shortMonth(m.month, m.year);
        g.texts.push_back(
            {{std::min(xm, in.width - width(name) - 1), p.bottom() + 6}, name, WorthInk::Axis});
    }

    // A narrow window gets the short form of a label, or none, rather than one cut off.
    const auto fitting = [&](std::initializer_list<QString> forms, int room) {
        for (const QString& form : forms)
            if (width(form) <= room) return form;
        return QString();
    };
    if (start > 0) {
        const int y = yOf(g, start);
        g.lines.push_back({{p.left() + 1, y}, {p.right(), y}, WorthInk::Start});
        const QString t =
            fitting({QStringLiteral("Start ") + signedPounds(start), signedPounds(start)},
                    in.width - p.left() - 5);
        if (!t.isEmpty()) g.texts.push_back({{p.left() + 4, y - lh - 1}, t, WorthInk::Start});
    }
    if (target) {
        const int y = yOf(g, state.target);
        g.lines.push_back({{p.left() + 1, y}, {p.right(), y}, WorthInk::Target});
        const QString t = fitting(
            {QStringLiteral("Target ") + signedPounds(state.target), signedPounds(state.target)},
            p.width() - 8);
        if (!t.isEmpty())
            g.texts.push_back({{p.right() - width(t) - 4, y - lh - 1}, t, WorthInk::Target});
    }
    if (deadline) {
        const int xd = x(daysBetween(first, *deadline));
        g.lines.push_back({{xd, p.top()}, {xd, p.bottom() - 1}, WorthInk::Deadline});
        const QString d = fitting({QStringLiteral("Deadline ") + QString::number(deadline->day) +
                                       ordinalSuffix(deadline->day) + QLatin1Char(' ') +
                                       monthname(deadline->month),
                                   QStringLiteral("Deadline")},
                                  in.width - p.left() - 3);
        if (!d.isEmpty())
            g.texts.push_back(
                {{std::max(p.left() + 2, xd - width(d) - 4), p.top() + 2}, d, WorthInk::Deadline});
    }

    if (two) {
        // The legend: a stroke of each player's ink and the name, at the plot's top left.
        const QString names[2] = {state.p1name.toQString(), state.p2name.toQString()};
        const WorthInk inks[2] = {WorthInk::Curve, WorthInk::SecondCurve};
        for (int k : {0, 1}) {
            const int y = p.top() + 3 + k * lh;
            g.lines.push_back({{p.left() + 6, y + lh / 2}, {p.left() + 22, y + lh / 2}, inks[k]});
            g.texts.push_back({{p.left() + 26, y}, names[k], inks[k]});
        }
    }

    g.points.reserve(days.size());
    for (const DayClose& d : days)
        g.points.push_back({x(daysBetween(first, d.date)), yOf(g, d.worth)});
    g.secondPoints.reserve(second.size());
    for (const DayClose& d : second)
        g.secondPoints.push_back({x(daysBetween(first, d.date)), yOf(g, d.worth)});
    return g;
}

namespace {

bool fits(const WorthGraph& g, const std::vector<DayClose>& days, std::size_t from) {
    for (std::size_t i = from; i < days.size(); ++i) {
        const int offset = daysBetween(g.first, days[i].date);
        if (offset < 0 || offset > g.span || days[i].worth < g.low || days[i].worth > g.high)
            return false;
    }
    return true;
}

void extend(const WorthGraph& g, std::vector<QPoint>& points, const std::vector<DayClose>& days,
            std::size_t from) {
    points.resize(from);
    for (std::size_t i = from; i < days.size(); ++i)
        points.push_back({xOf(g, daysBetween(g.first, days[i].date)), yOf(g, days[i].worth)});
}

} // namespace

bool extendWorthGraph(WorthGraph& g, const PlayRecord& record, std::size_t from,
                      std::size_t secondFrom) {
    if (from > g.points.size() || from > record.days.size() || secondFrom > g.secondPoints.size() ||
        secondFrom > record.secondDays.size() || !fits(g, record.days, from) ||
        !fits(g, record.secondDays, secondFrom))
        return false;
    extend(g, g.points, record.days, from);
    extend(g, g.secondPoints, record.secondDays, secondFrom);
    return true;
}

std::optional<int> worthDayAt(const WorthGraph& g, int x) {
    if (g.points.empty() || x < g.plot.left() - 4 || x > g.plot.right() + 4) return std::nullopt;
    // Points are in order of x: the nearest is beside the first one at or right of x.
    const auto it = std::lower_bound(g.points.begin(), g.points.end(), x,
                                     [](const QPoint& p, int v) { return p.x() < v; });
    auto best = it == g.points.end() ? it - 1 : it;
    if (it != g.points.begin() && x - (it - 1)->x() <= best->x() - x) best = it - 1;
    if (std::abs(best->x() - x) > std::max(6, static_cast<int>(g.dayWidth))) return std::nullopt;
    return static_cast<int>(best - g.points.begin());
}

QString worthDayText(const DayClose& d) {
    return dateWords(d.date) + QStringLiteral(" - cash ") + signedPounds(d.cash) +
           QStringLiteral(", holdings ") + signedPounds(d.holdings) + QStringLiteral(", worth ") +
           signedPounds(d.worth);
}

QString worthGraphSummary(const GameState& state) {
    const std::vector<DayClose>& days = state.record.days;
    QString text =
        days.empty() ? QStringLiteral("No days recorded yet.")
                     : QStringLiteral("Worth from %1 to %2: %3 to %4.")
                           .arg(dateWords(days.front().date), dateWords(days.back().date),
                                signedPounds(recordStart(state)), signedPounds(days.back().worth));
    const std::vector<DayClose>& second = state.record.secondDays;
    if (!second.empty() && !days.empty())
        text = QStringLiteral("Worth from %1 to %2: %3 %4 to %5, %6 %7 to %8.")
                   .arg(dateWords(days.front().date), dateWords(days.back().date),
                        state.p1name.toQString(), signedPounds(recordStart(state)),
                        signedPounds(days.back().worth), state.p2name.toQString(),
                        signedPounds(recordStart(state)), signedPounds(second.back().worth));
    const auto deadline = deadlineDate(state);
    if (deadline && second.empty())
        text += QStringLiteral(" Target %1 by %2.")
                    .arg(signedPounds(state.target), dateWords(*deadline));
    else if (deadline)
        text += QStringLiteral(" The game ends on %1.").arg(dateWords(*deadline));
    return text;
}

} // namespace quotara
