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

// What the World News page and the ticker say on a day without any headline. Only the text
// shown: the slots stay empty, so the day's prices move as on any day without news.
inline const QString kNoNewsToday = QStringLiteral("No news today");

// True when none of slots 1, 2 and 4 has a caption to show.
bool noHeadlines(const GameState& state);

// Slot 1's caption, five spaces, slot 2's, five spaces, slot 4's; kNoNewsToday when there is
// none, so the ticker never scrolls an empty gap.
QString tickerText(const GameState& state);

} // namespace quotara
