#pragma once
// The share graph as data: every line and label of the drawing for one share, one range and
// one month, in the graph window's client pixels (x to the right, y downwards, 460 x 312).
// The window only paints what this computes.

#include "state/gamestate.h"
#include "state/money.h"

#include <QPoint>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace quotara {

enum class GraphRange { OneYear, SixMonths, OneMonth };

// Days of the year (1..365) on which each month begins; index 1..12, entry 0 unused.
inline constexpr std::array<int, 13> kMonthStart{0,   1,   32,  60,  91,  121, 152,
                                                 182, 213, 244, 274, 305, 335};

// A straight line joining two pixels, both drawn.
struct GraphLine {
    QPoint from, to;
    Tone ink = Tone::Black;
};

// A text drawn with the top-left corner of its line box at topLeft.
struct GraphText {
    QPoint topLeft;
    QString text;
    Tone ink = Tone::Blue;
};

// One recorded day that a curve segment reaches, for pointing at the curve.
struct GraphPoint {
    QPoint at;
    int day = 0;             // day of the year, 1..366
    std::uint16_t price = 0; // pence, never 0
};

struct GraphDrawing {
    QString caption; // Label1: "One year history", "Six month history", "One month history"
    QString name;    // the share's; empty for a share outside the game
    // What is drawn, above the curve: "Abbey National, 1999", "Abbey National, six months to
    // March 1999", "Abbey National, March 1999".
    QString title;
    int year = 0; // of the history drawn
    int top = 20; // the price in pence at the top of the scale: high + 20
    // In drawing order: the axes, the x-axis ticks, the curve (red), the y-axis ticks.
    std::vector<GraphLine> lines;
    std::vector<GraphText> texts;   // the x-axis labels, then the y-axis labels
    std::vector<GraphPoint> points; // in order of x
};

// y of a price v (pence) on a scale whose top is top pence (top >= 20): 220 for 0, 20 for top.
int graphY(int v, int top);

// First day of the six-month window ending with month (1..12); 0 or below when the window
// begins last year (January -152 .. May -30).
int sixMonthStart(int month);

// The month the graph looks at: the calendar's month moved on by offset months, wrapping from
// December to January. A month outside 1..12 (a damaged saved game) is taken modulo 12.
int graphMonth(int calendarMonth, int offset);

// The whole drawing for one share. month (1..12; others taken modulo 12) chooses the window of the
// six-month and one-month ranges; the one-year range ignores it.
GraphDrawing graphDrawing(const Tshare& share, GraphRange range, int month);

// The drawing of the share with index share (0..19) of the game; a share outside the game's
// twenty is drawn as an empty scale.
GraphDrawing graphDrawing(const GameState& state, int share, GraphRange range, int month);

// The title of a drawing: the share, and the month the six-month and one-month views end in.
QString graphTitle(const QString& shareName, GraphRange range, int month, int year);

// The point under the mouse: the curve point nearest to pos, within a few pixels.
std::optional<GraphPoint> graphPointNear(const GraphDrawing& drawing, QPoint pos);

// What the tooltip over a point says: "Abbey National, 12th March 1999: 1134p". day is the day
// of the year (1..365; 366 reads as 31st December).
QString graphPointText(const QString& shareName, int day, int year, int price);

// What a screen reader hears for the drawing: the share, the range, then the first, last,
// highest and lowest price drawn, each with its day ("Abbey National, One year history: first
// 1134p on 1st January 1999, last ..., highest ..., lowest ..."); the earliest day where a
// price is reached more than once. With no curve drawn, says so.
QString graphSummary(const GraphDrawing& drawing);

} // namespace quotara
