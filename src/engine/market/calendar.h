#pragma once
// The calendar of trading days and the one-second status clock. No leap years, no weekends:
// every End Day is one day, and a year has 365 trading days.

#include "state/game.h"

#include <QString>

#include <cstdint>

namespace quotara {

// "January".."December" for 1..12; empty for any other number.
QString monthname(int month);

// Days in month 1..12 of the game's calendar (February has 28); 0 for any other number.
int monthLength(int month);

// "st", "nd", "rd" or "th" for a day of the month 1..31 ("th" for any other number).
QString ordinalSuffix(int day);

// Status panel 1: "Date - 1st January 1999".
QString dateText(const GameState& state);

// Month and year roll-over after End Day has added 1 to day and daycount. At a new year every
// share's history entries 1..365 are cleared and high and low restart at the current price.
// Days and months outside the calendar are left as they are.
void dayeval(GameState& state);

// Status panel 0: "Money - £15000" (money in whole pounds).
QString moneyPanelText(std::int32_t money);

// Status panel 2: "User - " and the player's name (in a two-player game the name of the
// player whose turn it is), the whole text cut to 27 characters.
QString userPanelText(const GameState& state);

// What the one-second clock writes: panel 0 (money) and panel 3 (a share, its price and
// change).
struct ClockTick {
    QString moneyPanel;
    QString pricesPanel; // "Abbey National 1134 +12"
};

// The clock tick: reseeds the generator from the time of day and shows one of shares 0..18
// (share 19 is never chosen). Changes no game field.
ClockTick timeTick(Game& game);

} // namespace quotara
