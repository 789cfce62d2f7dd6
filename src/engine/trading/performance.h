#pragma once
// The figures the Performance window shows from the record of the game (state/playrecord.h):
// days between dates, the deadline, the best and worst day, the summary line and the texts of
// a date. The record itself is kept by the game's flow (play/record.h).

#include "state/gamestate.h"

#include <QString>
#include <QStringList>

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

// The best and worst day of a record that grows, counted as it grows: the same record taken
// in again costs only its days since (and the newest, which today's trades still move);
// another record (a new game, a load), told by its first day or its last settled one, is
// counted whole.
class DayMoves {
  public:
    const BestWorst& takeIn(const std::vector<DayClose>& days);

  private:
    BestWorst settled_, all_;
    std::size_t settledDays_ = 0; // the days counted that no trade can move: all but the newest
    DayClose first_, lastSettled_;
};

// The summary line in parts, to be joined by " - ". With two players: the level name, the days
// left, each player's profit so far and who leads ("Ann leads by £312", or "Ann and Bob are
// level"). levelName: "Level 1", "Free play", ...
// (levelName in play/levels.h). {"Level 1", "target £15001", "30 days left", "profit so far
// £134", "best day £210 on 5th January 1999", "worst day -£90 on 7th January 1999"}
QStringList summaryParts(const GameState& state, const QString& levelName, const BestWorst& days);
// The parts joined, the record's days counted whole.
QString summaryText(const GameState& state, const QString& levelName);

} // namespace quotara
