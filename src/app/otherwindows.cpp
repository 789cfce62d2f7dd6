#include "app/otherwindows.h"

namespace quotara {

// No constructor reads the registry, so the entries can follow the windows.
OtherWindows::OtherWindows(Game& game, Windows& windows)
    : newgame(game, windows), about(game, windows), buysell(game, windows), ticker(game, windows),
      endgame(game, windows), help(game, windows) {
    windows.newgame = &newgame;
    windows.about = &about;
    windows.buysell = &buysell;
    windows.ticker = &ticker;
    windows.endgame = &endgame;
    windows.help = &help;
}

} // namespace quotara
