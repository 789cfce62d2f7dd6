#pragma once
// The worth graph of the Performance window as data: the player's worth on each recorded day,
// with the starting money, the target and the deadline, in the widget's pixels (x to the
// right, y downwards); with two players, each player's worth and a legend naming them, and no
// target. The window only paints what this computes.

#include "state/gamestate.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace quotara {

enum class WorthInk {
    Axis,        // black axes and ticks
    Start,       // the starting money
    Target,      // the level's target
    Deadline,    // the level's last day
    Curve,       // the worth; player 1's with two players
    SecondCurve, // player 2's worth
};

struct WorthLine {
    QPoint from, to;
    WorthInk ink = WorthInk::Axis;
};

struct WorthText {
    QPoint topLeft; // of the text's line box
    QString text;
    WorthInk ink = WorthInk::Axis;
};

struct WorthGraphInput {
    int width = 600, height = 240; // pixels
    int lineHeight = 14;           // pixels: the height of a line of text
    // Pixels a text needs, to keep labels apart; none: 7 per character.
    std::function<int(const QString&)> textWidth;
};

struct WorthGraph {
    std::vector<WorthLine> lines; // axes and ticks, the start, target and deadline
    std::vector<WorthText> texts;
    std::vector<QPoint> points;       // one per recorded day, in order: the curve joins them
    std::vector<QPoint> secondPoints; // player 2's, as points; empty with one player
    QRect plot;                       // the area inside the axes
    int firstDayX = 0;
    double dayWidth = 1; // pixels from one day to the next
    // The scales: pounds at the bottom and the top of the plot, and the days across it from
    // the first recorded day. They leave room for days to come, so that most new days fit.
    std::int64_t low = 0, high = 1;
    GameDate first;
    int span = 1;
};

WorthGraph worthGraph(const GameState& state, const WorthGraphInput& input);

// The days from `from` on (added, or moved by today's trades, since the graph was made from
// the same record) put on the graph as it stands, and player 2's from secondFrom on: false,
// and the graph as it was, when one falls outside its scales, which then take a new graph.
bool extendWorthGraph(WorthGraph& graph, const PlayRecord& record, std::size_t from,
                      std::size_t secondFrom);

// The recorded day under x (nearest by date), if x lies over the curve.
std::optional<int> worthDayAt(const WorthGraph& graph, int x);

// What hovering over a day says: "5th January 1999 - cash £12475, holdings £2401, worth
// £14876".
QString worthDayText(const DayClose& day);

// The graph in words, for screen readers: "Worth from 1st January 1999 to 31st January 1999:
// £15000 to £15134; target £15001 by 1st February 1999."
QString worthGraphSummary(const GameState& state);

} // namespace quotara
