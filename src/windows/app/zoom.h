#pragma once
// The size of the game's windows: 100, 150 or 200 per cent of the design's pixels, chosen in
// Options > Zoom and kept in the settings, or, until the player chooses one, from the size of
// the screen. Qt scales every window and font by it, so text and pictures stay sharp; it takes
// effect when the program starts.

#include <QProcessEnvironment>
#include <QSize>
#include <QString>

namespace quotara {

class Settings;

constexpr int kZooms[] = {100, 150, 200}; // per cent

// The zoom the player chose in Options > Zoom; 0 when none is kept or it is not one of kZooms.
int chosenZoom(const Settings& settings);
// The chosen zoom, or 100 when none is chosen.
int zoomSetting(const Settings& settings);
// Keeps percent for the next start; when it cannot, the message that says why.
QString saveZoom(Settings& settings, int percent);

// The zoom for a screen of the given size in pixels before any zoom: the largest of kZooms at
// which the main window takes at most about a third of the screen's width (two fifths at most,
// so that a 1920-pixel screen gets 150 %) and the main window with the ticker under it fits
// the screen's height. 100 when even that is too large, or the size is unknown (empty).
int zoomForScreen(QSize screen);

// The size of the primary screen before any zoom, measured with a short-lived application
// object: the zoom must be set before the real one exists. Empty when there is no screen.
// Arguments Qt takes (-platform, -display) are read from a copy, so argv is left as it is.
QSize measureScreen(int argc, char* argv[]);

// Before the QApplication is made: every window at percent, unless the environment already
// sets a scale (QT_SCALE_FACTOR), which wins.
void applyZoom(int percent);
// The zoom the windows are shown at: applyZoom's, or 100 when the environment set a scale that
// is none of kZooms.
int zoomInForce();
// Whether the player's environment sets the scale, so no zoom of ours applies. The scale
// applyZoom sets is not the player's.
bool zoomSetByEnvironment();
// The environment as the player started the program: without the scale applyZoom set, so that
// a program started from this one takes its own zoom.
QProcessEnvironment playerEnvironment();

} // namespace quotara
