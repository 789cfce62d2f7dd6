#pragma once
// Engine tree, market/: the calendar and how the market moves. Engine, because End Day and the
// simulator run it without a window; it builds on state/ alone.
//
// The share price engine: how one share's price moves at the close, from the index moves,
// the news in force for its sector and a random part with a small drag.

#include "state/game.h"

#include <array>

namespace quotara {

// Percent move implied by the day's Dow Jones and Hang Seng moves, measured against the new
// index values. An index at 0 contributes nothing.
double marketFactor(const GameState& state);

// Sum of affect[effect] over the headlines in force: slots 1 and 2 when they hold a number,
// slot 4 only while headline4days > 0 as well. effect 0 is the FTSE, 1..12 a sector; any other
// effect, any item number outside 1..200 and any value outside -2..+2 adds nothing, so the
// score stays within -6..+6.
int newsScore(const GameState& state, int effect);

// Percent move for a news score (-8 and +8 are the strong cases).
double newsEffect(int newsscore);

// Moves share i (0..19): price, change, high, low. Draws noise, then for a result below 150p a
// further -2..+3p. The price stays within 0..65535 pence. A sector outside 1..12 gets no news
// effect.
void sharecalc(Game& game, int i);

// newsEffect(newsScore()) of each sector 1..12 (index 0 unused): one for all shares of a sector.
using SectorNews = std::array<double, Tnewsitem::kSectors + 1>;
SectorNews sectorNews(const GameState& state);
// sharecalc with the day's marketFactor and sectorNews, which End Day works out once for the
// twenty shares.
void sharecalc(Game& game, int i, double marketfactor, const SectorNews& news);

} // namespace quotara
