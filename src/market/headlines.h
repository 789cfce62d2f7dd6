#pragma once
// The daily news draw and the monthly unemployment headline (slot 4).

#include "state/game.h"

#include <cstdint>

namespace quotara {

// Items that the daily draw can pick: 1..40 and 51..68, 58 in all.
constexpr int kDrawableItems = 58;

// The daily draw: empties slots 1 and 2, reseeds the generator from the clock, fills each slot
// with an item not yet used (up to 40 attempts each) and rebuilds the ticker text. Slot 4 is
// left alone.
void headlineload(Game& game);

// Early in every End Day: one day less for slot 4; at exactly 0 its caption goes (its number
// stays, but the counter keeps it out of force).
void headline4countdown(GameState& state);

// The unemployment headline item for a monthly change: 42 (-15,000 or less), 43, 44, 45
// (15,000 or more).
int unemploymentItem(std::int32_t unemployedchange);

// On the 15th, after the month's change: posts that item in slot 4 for three End Days. Its used
// flag is neither tested nor set.
void headline4setup(GameState& state);

// Slot 1's caption, five spaces, slot 2's, five spaces, slot 4's.
QString tickerText(const GameState& state);

} // namespace quotara
