#pragma once
// The size of the game's windows: 100, 150 or 200 per cent of the design's pixels, chosen in
// Options > Zoom and kept in the settings. Qt scales every window and font by it, so text
// and pictures stay sharp; it takes effect when the program starts.

class QSettings;

namespace quotara {

constexpr int kZooms[] = {100, 150, 200}; // per cent

// The zoom kept in the settings; 100 when none is kept or it is not one of kZooms.
int zoomSetting(const QSettings& settings);
void saveZoom(QSettings& settings, int percent);

// Before the QApplication is made: every window at percent, unless the environment already
// sets a scale (QT_SCALE_FACTOR), which wins.
void applyZoom(int percent);

} // namespace quotara
