#pragma once
// Puts the market back to the start of a game: headline slots, calendar, economy, prices,
// holdings, histories and the news items' used flags. Money, level, deadline, gold bars,
// names and the two-player fields are not touched; nor are share names and sectors, so a
// loaded share data file keeps them. The window adds the page selections and captions.

#include "state/gamestate.h"

namespace quotara {

void newgamereset(GameState& state);

} // namespace quotara
