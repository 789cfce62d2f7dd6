#pragma once
// What a picture of a game holds: the three indices, the twenty prices and, for a robot's run,
// its worth against the target, over the days, with the days that brought headlines. Shared by
// the simulator, which collects it, and the picture module, which draws it.

#include "state/gamestate.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace quotara::sim {

struct PlotDay {
    std::uint8_t day = 0, month = 0;
    std::uint16_t year = 0;
    std::int32_t dow = 0, ftse = 0, hangseng = 0;    // points
    std::array<std::uint16_t, kShareCount> prices{}; // pence
    std::int64_t worth = 0;                          // pounds: cash and holdings
    bool news = false;                               // the day's draw put up a headline
    bool unemployment = false;                       // the unemployment headline went up
};

struct PlotData {
    QString title;
    std::vector<PlotDay> days; // the start, then one entry per End Day
    std::array<QString, kShareCount> names;
    bool showWorth = false; // a robot's run: draw its worth, the money and the target
    std::int64_t money = 0, target = 0;
};

// The picture module's entry point, by this name: draws data (at least one day) into bytes as
// SVG or else PNG; false when the picture could not be made.
using DrawPlot = bool (*)(const PlotData* data, bool svg, QByteArray* bytes);
inline constexpr char kDrawPlotName[] = "quotaraDrawPlot";

} // namespace quotara::sim
