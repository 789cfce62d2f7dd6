#pragma once
// Pictures of a game for designers (plotdata.h says what they show). The drawing is in a module
// of its own, loaded only when a picture is asked for: Qt Gui and Qt Svg would otherwise be
// loaded at every start of the simulator, which costs more than a century of End Days.

#include "plotdata.h"
#include "robots/robotgame.h"

#include <QString>

#include <optional>

namespace quotara::sim {

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
