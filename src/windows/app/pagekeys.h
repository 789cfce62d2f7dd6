#pragma once
// The keyboard's way between the main window's pages: Ctrl+Tab and Ctrl+PgDn go to the next
// page shown, Ctrl+Shift+Tab and Ctrl+PgUp to the one before, wrapping round, wherever the
// focus is in the window. The focus goes into the page, or onto the tabs when the page has
// nothing to focus, so that Tab carries on from there.

#include <functional>

class QTabWidget;

namespace quotara {

// The keys work while gameOn says a game is on screen.
void addPageKeys(QTabWidget* pages, std::function<bool()> gameOn);

} // namespace quotara
