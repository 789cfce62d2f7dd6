#pragma once
// The two-player hand-over at the start of every End Day.

#include "state/game.h"

namespace quotara {

// In a two-player game, parks the cash and holdings of the player who has finished, brings
// out the other player's and says so in an information box. True after player 1's turn: End
// Day stops there and the day does not advance until player 2 has played. Any other player
// number, or a single-player game, changes nothing.
bool turnchange(Game& game);

} // namespace quotara
