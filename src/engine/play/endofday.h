#pragma once
// End Day: the close of a trading day, step by step in the game's order.

#include "state/game.h"

#include <QString>

#include <array>
#include <cstdint>

namespace quotara {

// One player's result in a two-player game.
struct PlayerOutcome {
    QString name;
    std::int64_t worth = 0;  // pounds: cash plus every holding at its price
    std::int64_t profit = 0; // pounds: worth - the starting money
};

// The outcome of a level (or a two-player game) on its deadline day.
struct LevelVerdict {
    std::int64_t worth = 0;  // pounds: cash plus every holding at its price
    std::int64_t profit = 0; // pounds: worth - startmoney
    QString message;         // "You made a profit of £134" / "You made a loss of £-500"
    QString endtext;         // the end-of-level window's verdict text
    QString goldbars;        // "1 goldbars"
    bool won = false;        // worth reached the target
    // A two-player game: no target and no gold bar, but both players' results and the
    // winner, 1 or 2 (0 for a draw).
    bool twoPlayer = false;
    std::array<PlayerOutcome, 2> players;
    int winner = 0;
    // Said when the result is the best its hall of fame list has seen: "A new best for Level
    // 3!"; empty otherwise.
    QString best;
};

// How End Day reaches the windows in the middle of its sequence.
class DayViews {
  public:
    virtual ~DayViews() = default;
    // After the day's prices are recorded: dataload, then lookupsel; the date panel
    // (dateText) shows the new day from here on.
    virtual void refresh() = 0;
    // After the daily draw: World News captions, ticker text, and (on the 15th) the
    // unemployment figures and slot 4.
    virtual void newsDrawn() = 0;
    // On the level's last day, after the profit message, as End Day's last step. The game's
    // Session takes it itself (Session::endDay) and shows the level's end.
    virtual void levelEnded(const LevelVerdict&) {}
    // Two-player: the turn has passed to the other player, whose cash and holdings are now
    // the game's. Every view of them shows the new player at once.
    virtual void turnChanged() {}
};

// End Day with no windows to refresh.
class NoDayViews final : public DayViews {
  public:
    void refresh() override {}
    void newsDrawn() override {}
};

enum class DayResult {
    HandedOver, // two-player: player 1's turn ended, the day did not advance
    DayEnded,
    Refused, // outside the playing phase: nothing happened (Session::endDay)
};

// The End Day button. Message boxes go through game.messages.
DayResult endofday(Game& game, DayViews& views);

// The steps End Day runs, in its order (those of other modules: turnchange, turnChanged,
// headline4countdown, dayeval, dowStep, hangsengStep, ftseStep, sharecalc, headlineload).

// day and daycount one on, then the calendar roll-over.
void advanceDay(GameState& state);
// history entry daycount := price for shares 0..19; a daycount outside 1..1000 writes nothing.
void recordClosingPrices(GameState& state);
// On the 15th: the month's unemployment change, its information box and the slot-4 headline.
void unemployment(Game& game);
// Values the position on the deadline day, reports profit or loss in a plain box and awards a
// gold bar when the level in force has not paid one before (levelswon).
LevelVerdict goalcheck(Game& game);
// True when the date just reached is the level's deadline. Never in free play (endday 0).
bool isDeadline(const GameState& state);

} // namespace quotara
