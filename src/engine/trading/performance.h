#pragma once
// The figures the Performance window shows from the record of the game (state/playrecord.h):
// days between dates, the deadline, the best and worst day, the summary line and the texts of
// a date. The record itself is kept by the game's flow (play/record.h).

#include "state/gamestate.h"

#include <QString>

#include <optional>

namespace quotara {

// Days from one date to a later one in the game's calendar of 365-day years.
int daysBetween(const GameDate& from, const GameDate& to);

// Pounds the record counts its profit from: the money the game started with. A level's own
// starting money; in free play the record's start, or for a record kept by version 2 (no
// start noted) its first day, as that version showed it.
std::int64_t recordStart(const GameState& state);

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

// The summary line. levelName: "Level 1", "Free play", ... (levelName in play/levels.h).
// "Level 1 - target £15001 - 30 days left - profit so far £134 - best day £210 on 5th
// January 1999 - worst day -£90 on 7th January 1999"
QString summaryText(const GameState& state, const QString& levelName);

} // namespace quotara
