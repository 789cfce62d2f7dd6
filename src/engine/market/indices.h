#pragma once
// The three stock indices at the close. Index values are whole points held in 32 bits; a move
// that would take one below 0 stops it at 0, and the change is then the move actually made.

#include "state/game.h"

namespace quotara {

// Dow Jones: a band k = Random(20), then a move within the band. Two draws.
void dowStep(Game& game);
// Hang Seng: the same with wider bands. Two draws.
void hangsengStep(Game& game);
// FTSE 100: follows the Dow and Hang Seng moves (run those first) and the FTSE effects of the
// news in force, plus a random part. One draw.
void ftseStep(Game& game);

} // namespace quotara
