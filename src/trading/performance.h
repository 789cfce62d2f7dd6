#pragma once
// Keeping the record of the game being played, and the figures the Performance window shows
// from it: the summary line and the texts of a day and a trade.

#include "state/gamestate.h"

#include <QString>

#include <optional>

namespace quotara {

GameDate gameDate(const GameState& state);

// A new record: today's position is its first day.
void startRecord(GameState& state);
// Today's position at today's prices: replaces the newest day when it is today's, otherwise
// becomes the next day.
void recordDay(GameState& state);
// A completed trade of share 0..19 at price pence per share for total pounds, with the cash
// it left; then today's position.
void recordTrade(GameState& state, int share, TradeSide side, std::int32_t quantity,
                 std::int32_t price, std::int32_t total);

// Days from one date to a later one in the game's calendar of 365-day years.
int daysBetween(const GameDate& from, const GameDate& to);

// The level's deadline as a date of the year the record is in; none in free play.
std::optional<GameDate> deadlineDate(const GameState& state);

// "5th January 1999"
QString dateWords(const GameDate& date);
// "1999-01-05"
QString isoDate(const GameDate& date);

// The largest and smallest change of worth from one recorded day to the next.
struct DayMove {
    GameDate date;
    std::int64_t change = 0; // pounds
};
struct BestWorst {
    std::optional<DayMove> best, worst; // none before a second day is recorded
};
BestWorst bestAndWorstDays(const PlayRecord& record);

// The summary line. levelName: "Level 1", "Free play", ... (the window knows the level).
// "Level 1 - target £15001 - 30 days left - profit so far £134 - best day £210 on 5th
// January 1999 - worst day £-90 on 7th January 1999"
QString summaryText(const GameState& state, const QString& levelName);

// "Level 1" .. "Level 14", "Bonus Level" for rows 0..14; the default configuration and free
// play by name.
QString levelName(int appliedLevel, const GameState& state);

} // namespace quotara
