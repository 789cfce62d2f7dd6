#pragma once
// Who the game is to the desktop: its names and version, the desktop entry its windows belong
// to (quotara.desktop) and the icon every window carries. The icon is compiled in, so the game
// shows it also when run from the build folder.

#include <QIcon>
#include <QString>

namespace quotara {

// The program's version, "major.minor" as the package and the metadata give it.
QString applicationVersion();

// The icon at 16, 32, 48, 64, 128 and 256 pixels.
QIcon applicationIcon();

// When the windows get the icon: at once, or once the first frame is on the screen, so the
// six pictures are decoded (and sent to the display) after the player sees the first window.
enum class IconTiming { Now, AfterFirstFrame };

// Sets organisation, application name, version, desktop file name and the window icon on the
// running QApplication. Call once, right after constructing it.
void setApplicationIdentity(IconTiming icon = IconTiming::Now);

} // namespace quotara
