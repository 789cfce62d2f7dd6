#pragma once
// The two-player game at one computer: its start, whose turn it is, each player's name and
// worth, how long it lasts ("Play until") and the verdict at its deadline. The hand-over
// between the turns is turnchange (play/turnchange.h).

#include "play/endofday.h"
#include "state/gamestate.h"

#include <QString>

#include <array>
#include <cstdint>

namespace quotara {

// What each player starts with, as in free play.
constexpr std::int32_t kTwoPlayerMoney = 15000;

// A two-player game is on: a turn belongs to player 1 or 2. (twoplayer alone, with no turn,
// is the mode chosen in the new-game window before any two-player Start.)
inline bool twoPlayerTurns(const GameState& s) {
    return s.twoplayer == 1 && (s.player == 1 || s.player == 2);
}

// Start of a two-player game, after the reset: player 1 plays first, and both players have
// the money in force (the same for each) and no shares.
void beginTwoPlayer(GameState& state);

// player 1 or 2: p1name or p2name.
QString playerName(const GameState& state, int player);
// Pounds: the player's cash plus every holding at today's prices, each rounded as the goal
// check rounds it. The player whose turn it is has the game's own money and holdings; the
// other's are in their parked slots.
std::int64_t playerWorth(const GameState& state, int player);

// The choices of "Play until" in the new-game window, in its order; the deadline is that day
// of the game's year (0 and 0: no end, as in free play). A game begins on 1 January, so one
// year ends on the next 1 January.
struct PlayUntil {
    QString text; // "three months"
    std::uint8_t endday = 0, endmonth = 0;
};
constexpr int kPlayUntilCount = 5;
constexpr int kNoEnd = kPlayUntilCount - 1; // the row of "no end"
const std::array<PlayUntil, kPlayUntilCount>& playUntilChoices();
// The row whose deadline is in force; kNoEnd for a deadline that is none of them.
int playUntilRow(const GameState& state);

// The verdict at a two-player game's deadline, with player 1's turn on: both players' worth
// and profit against the starting money, and the winner or a draw. No gold bar.
LevelVerdict twoPlayerVerdict(const GameState& state);

} // namespace quotara
