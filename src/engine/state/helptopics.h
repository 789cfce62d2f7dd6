#pragma once
// The game opens its help by context number; each number names one page of the help
// resources (":/help/...").

#include <QString>
#include <QUrl>

namespace quotara {

constexpr int kHelpContents = 1;    // Help > Contents
constexpr int kHelpGameEditor = 2;  // the help button of the Game Editor page
constexpr int kHelpSharePrices = 4; // "Help" in the Share Prices page's right-click menu

// Resource path of the page for a context number, e.g. ":/help/contents.html". A number the
// help does not know opens the contents, so the player always gets somewhere.
QString helpPageForContext(int context);
// The same page as a "qrc:" URL, for a viewer that follows the pages' relative links.
QUrl helpUrlForContext(int context);

} // namespace quotara
