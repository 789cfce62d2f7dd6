#pragma once
// The game's windows, created once at start-up and afterwards only shown and hidden. Each
// window gets this registry to reach the others.

namespace quotara {

class Tmain_screen;
class Tnewgame;
class TAboutBox;
class Tbuysell;
class Tticker;
class Tendgame;
class HelpViewer;

struct Windows {
    Tmain_screen* main = nullptr;
    Tnewgame* newgame = nullptr;
    TAboutBox* about = nullptr;
    Tbuysell* buysell = nullptr;
    Tticker* ticker = nullptr;
    Tendgame* endgame = nullptr;
    HelpViewer* help = nullptr;
};

} // namespace quotara
