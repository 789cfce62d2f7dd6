#pragma once
// The start values that start-up writes after the news file is loaded: calendar and economy,
// the built-in share table (names and sectors of records 0..20, prices of 0..19), high and
// low at the start price, and today's history entry when daycount is already 1 or more.
// daycount itself is not set: at program start it stays 0 until a game begins.

#include "state/gamestate.h"

namespace quotara {

void loadStartValues(GameState& state);
// 1 January 1999 and the indices, interest, inflation and unemployment at their start values;
// the changes and daycount are not touched. Also part of the reset of a new game.
void loadStartEconomy(GameState& state);
// Shares 0..19 at their built-in start prices, high and low the same; also part of the reset
// of a new game.
void loadStartPrices(GameState& state);

// A free-play game as program start and then New Game in free play leave it, without the
// windows: what the simulator plays and the market tests start from.
void startFreePlay(GameState& state);

} // namespace quotara
