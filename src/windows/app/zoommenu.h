#pragma once
// Options > Zoom: one checkable item per zoom, the one in force ticked.

#include <functional>

class QMenu;

namespace quotara {

// Adds the Zoom submenu to options; chosen gets 100, 150 or 200.
QMenu* addZoomMenu(QMenu* options, std::function<void(int)> chosen);
void showZoom(QMenu* zoomMenu, int percent); // ticks percent's item

} // namespace quotara
