#pragma once
// Pictures of a game for designers: the three indices, the twenty prices and, for a robot's
// run, its worth against the target, over the days, with the days that brought headlines.

#include "robots/robotgame.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
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

// Collects a game as it is played.
class PlotRecorder final : public RunObserver {
  public:
    void started(const GameState& state) override;
    void dayEnded(const GameState& state) override;
    PlotData data;
};

// Draws the picture to path: PNG or SVG by its suffix. The error's text when it fails.
std::optional<QString> writePlot(const PlotData& data, const QString& path);

} // namespace quotara::sim
