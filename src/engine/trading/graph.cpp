#include "trading/graph.h"

#include "market/calendar.h"

#include <QStringList>

#include <algorithm>

namespace quotara {

namespace {

constexpr int kAxisX = 50;  // the y axis
constexpr int kAxisY = 220; // the x axis: price 0
constexpr int kTopY = 20;   // the top of the scale
constexpr int kAxisEnd = 410;
constexpr int kLabelY = 240; // top of the x-axis labels

const QStringList& shortMonths() {
    static const QStringList names{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return names;
}

void addTick(GraphDrawing& g, int x) {
    g.lines.push_back({{x, kAxisY}, {x, kAxisY + 10}, Tone::Black});
}

// The segment joining days d and d + 1, only where both have a price: a day without one leaves
// a gap. x0 is where day d is drawn, step the pixels per day.
void addSegment(GraphDrawing& g, const Tshare& share, int d, int x0, int step) {
    if (d < 1 || d >= Tshare::kHistoryDays) return;
    const std::uint16_t a = share.history[d], b = share.history[d + 1];
    if (a == 0 || b == 0) return;
    const QPoint from{x0, graphY(a, g.top)}, to{x0 + step, graphY(b, g.top)};
    g.lines.push_back({from, to, Tone::Red});
    // Consecutive segments share their ends: keep each day once.
    if (g.points.empty() || g.points.back().day != d) g.points.push_back({from, d, a});
    g.points.push_back({to, d + 1, b});
}

void oneyearload(GraphDrawing& g, const Tshare& share) {
    g.caption = QStringLiteral("One year history");
    for (int i = 1; i <= 11; ++i)
        addTick(g, kAxisX + 30 * i);
    for (int k = 0; k < 12; ++k)
        g.texts.push_back({{40 + 30 * k, kLabelY}, shortMonths()[k], Tone::Blue});
    for (int d = 1; d <= kYearDays; ++d)
        addSegment(g, share, d, kAxisX + d, 1);
}

void sixmonthload(GraphDrawing& g, const Tshare& share, int month) {
    g.caption = QStringLiteral("Six month history");
    for (int i = 1; i <= 5; ++i)
        addTick(g, kAxisX + 60 * i);
    for (int k = 0; k < 6; ++k)
        g.texts.push_back(
            {{40 + 60 * k, kLabelY}, shortMonths()[(month - 6 + k + 12) % 12], Tone::Blue});
    // Days of last year are not in the history.
    const int s = sixMonthStart(month);
    for (int i = 0; i <= 180; ++i)
        addSegment(g, share, s + i, kAxisX + 2 * i, 2);
}

void onemonthload(GraphDrawing& g, const Tshare& share, int month) {
    g.caption = QStringLiteral("One month history");
    for (int i = 1; i <= 6; ++i)
        addTick(g, kAxisX + 60 * i);
    for (int k = 0; k < 6; ++k)
        g.texts.push_back({{kAxisX + 60 * k, kLabelY}, QString::number(1 + 5 * k), Tone::Blue});
    if (month != 2) g.texts.push_back({{kAxisEnd, kLabelY}, QStringLiteral("31"), Tone::Blue});
    // 28 segments: the 1st to the 29th, the same in every month.
    const int s = kMonthStart[month];
    for (int i = 0; i <= 27; ++i)
        addSegment(g, share, s + i, kAxisX + 12 * i, 12);
}

} // namespace

int graphY(int v, int top) {
    return kAxisY - static_cast<int>(roundDiv(std::int64_t{v} * 200, top));
}

int sixMonthStart(int month) {
    return month >= 6 ? kMonthStart[month - 5] : kMonthStart[month + 7] - kYearDays;
}

int graphMonth(int calendarMonth, int offset) {
    const int m = (calendarMonth - 1 + offset) % 12;
    return (m < 0 ? m + 12 : m) + 1;
}

GraphDrawing graphDrawing(const Tshare& share, GraphRange range, int month) {
    month = graphMonth(month, 0);
    GraphDrawing g;
    g.top = share.high + 20;
    g.lines.push_back({{kAxisX, kTopY}, {kAxisX, kAxisY}, Tone::Black});
    g.lines.push_back({{kAxisX, kAxisY}, {kAxisEnd, kAxisY}, Tone::Black});
    switch (range) {
    case GraphRange::OneYear:
        oneyearload(g, share);
        break;
    case GraphRange::SixMonths:
        sixmonthload(g, share, month);
        break;
    case GraphRange::OneMonth:
        onemonthload(g, share, month);
        break;
    }
    for (int i = 0; i <= 4; ++i)
        g.lines.push_back({{40, 40 * i + kTopY}, {kAxisX, 40 * i + kTopY}, Tone::Black});
    // The five steps of the scale; top / 5 never falls on a half.
    for (int k = 0; k <= 5; ++k)
        g.texts.push_back({{15, kAxisY - 5 - 40 * k},
                           QString::number(roundDiv(std::int64_t{k} * g.top, 5)),
                           Tone::Blue});
    return g;
}

GraphDrawing graphDrawing(const GameState& state, int share, GraphRange range, int month) {
    static const Tshare none{};
    const Tshare& s = share >= 0 && share < kShareCount ? state.shares[share] : none;
    GraphDrawing g = graphDrawing(s, range, month);
    g.name = s.name.toQString();
    g.year = state.year;
    g.title = graphTitle(g.name, range, month, g.year);
    return g;
}

QString graphTitle(const QString& shareName, GraphRange range, int month, int year) {
    const QString monthYear = monthname(graphMonth(month, 0)) + ' ' + QString::number(year);
    switch (range) {
    case GraphRange::OneYear:
        return shareName + QStringLiteral(", ") + QString::number(year);
    case GraphRange::SixMonths:
        return shareName + QStringLiteral(", six months to ") + monthYear;
    case GraphRange::OneMonth:
        return shareName + QStringLiteral(", ") + monthYear;
    }
    return shareName;
}

std::optional<GraphPoint> graphPointNear(const GraphDrawing& drawing, QPoint pos) {
    constexpr int kReach = 6; // pixels
    std::optional<GraphPoint> best;
    int bestDistance = kReach * kReach + 1;
    for (const GraphPoint& p : drawing.points) {
        const int dx = p.at.x() - pos.x(), dy = p.at.y() - pos.y();
        const int distance = dx * dx + dy * dy;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = p;
        }
    }
    return best;
}

namespace {

QString dayText(int day, int year) {
    if (day < 1 || day > kYearDays) return QStringLiteral("Day %1 of %2").arg(day).arg(year);
    int month = 12;
    while (kMonthStart[month] > day)
        --month;
    const int dayOfMonth = day - kMonthStart[month] + 1;
    return QString::number(dayOfMonth) + ordinalSuffix(dayOfMonth) + ' ' + monthname(month) + ' ' +
           QString::number(year);
}

} // namespace

QString graphPointText(const QString& shareName, int day, int year, int price) {
    return shareName + QStringLiteral(", ") + dayText(day, year) + QStringLiteral(": ") +
           penceText(price);
}

QString graphSummary(const GraphDrawing& drawing) {
    const QString head =
        (drawing.name.isEmpty() ? QString() : drawing.name + QStringLiteral(", ")) +
        drawing.caption + QStringLiteral(": ");
    const auto& points = drawing.points;
    if (points.empty()) return head + QStringLiteral("no prices drawn yet");
    const auto highest = std::max_element(points.begin(), points.end(),
                                          [](auto& a, auto& b) { return a.price < b.price; });
    const auto lowest = std::min_element(points.begin(), points.end(),
                                         [](auto& a, auto& b) { return a.price < b.price; });
    const auto part = [&drawing](const char* what, const GraphPoint& p) {
        return QLatin1String(what) + ' ' + penceText(p.price) + QStringLiteral(" on ") +
               dayText(p.day, drawing.year);
    };
    return head + part("first", points.front()) + QStringLiteral(", ") +
           part("last", points.back()) + QStringLiteral(", ") + part("highest", *highest) +
           QStringLiteral(", ") + part("lowest", *lowest);
}

} // namespace quotara
