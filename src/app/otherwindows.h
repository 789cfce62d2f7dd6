#pragma once
// The windows made after the main window's start-up, in the game's order, each entered in the
// registry. They go in the opposite order, before the main window.

#include "app/helpviewer.h"
#include "app/taboutbox.h"
#include "app/windows.h"
#include "components/tticker.h"
#include "setup/tendgame.h"
#include "setup/tnewgame.h"
#include "trading/tbuysell.h"

namespace quotara {

struct Game;

struct OtherWindows {
    OtherWindows(Game& game, Windows& windows);
    Tnewgame newgame;
    TAboutBox about;
    Tbuysell buysell;
    Tticker ticker;
    Tendgame endgame;
    HelpViewer help;
};

} // namespace quotara
