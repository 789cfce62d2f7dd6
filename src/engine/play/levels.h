#pragma once
// The new-game window's rules: the level table, the modes, the gold-bar gate and the checks of
// Start. The window holds one NewGame for the whole run and copies its view after each call.

#include "play/twoplayer.h"
#include "state/game.h"
#include "state/gamestate.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace quotara {

constexpr int kLevelCount = 15; // rows 0..14 of the level list
// Each level pays one gold bar, once: the most a player can win.
constexpr int kMostGoldBars = kLevelCount;

struct LevelRow {
    QString entry;       // list entry, "Level 1 (0 bars)"
    int barsNeeded;      // least goldbarcount that may apply the row
    QString targetText;  // "Make a profit within 1 month."
    QString moneyText;   // "£15,000"
    std::int32_t money;  // pounds; money and startmoney
    std::uint8_t endday; // deadline in the game year, day 1..31
    std::uint8_t endmonth;
    std::int32_t target; // total worth in pounds that wins
};

const std::array<LevelRow, kLevelCount>& levelTable();
QStringList levelEntries();
// A level still locked for this many gold bars.
inline bool levelLocked(const LevelRow& row, int goldbarcount) {
    return goldbarcount < row.barsNeeded;
}
// The level list's tooltip: "Start with £15,000; worth £15,001 by 1 February wins." and,
// while locked, "Locked: needs 3 gold bars."
QString levelHint(const LevelRow& row, int goldbarcount);
// The window's big heading for row 0..14: the entry without its bars, "Level 3", "Bonus Level".
QString levelHeading(int row);
// Where the game stands in its level, for the money panel's tooltip: "Level 1: target £15,001
// by 1st February 1999, 31 days left", "Free play: no target and no deadline". The level is
// the row whose target and deadline are in force.
QString levelProgressText(const GameState& state);
// What the window applies when created and after a refusal. Unlike row 0 it asks for a
// profit of £1,000 (target 16000); its entry is empty and it needs no bars.
const LevelRow& defaultLevel();

// Which settings are in force, as far as the gold bar is concerned: a row 0..14 or these.
constexpr int kDefaultLevel = -1;  // the default configuration
constexpr int kFreePlayLevel = -2; // free play or two-player values: no deadline
constexpr int kNoLevel = -3;

// What the new-game window shows; the window copies it after every call below.
struct NewGameView {
    int listRow = 0;                              // selected row of `levels`, 0..14
    QString targetText, moneyText;                // labels `target` and `money`
    bool sel1 = true, sel2 = false, sel3 = false; // the ">>" mode markers
    bool levelsVisible = true;
    bool nameEnabled = true;   // `Label4` and `playername`
    bool namesVisible = false; // `player1name`, `player2name` and `browse`
    // Two-player: "Play until" and its choice, a row of playUntilChoices (twoplayer.h).
    bool playUntilVisible = false;
    int playUntilRow = kNoEnd;
    QString goldbarsLabel = QStringLiteral("0 goldbars"); // `Label6`
};

// What a level or mode puts in force: money, start money, target, deadline and whether the
// level's gold bar was already won.
struct LevelValues {
    std::int32_t money = 0, startmoney = 0, target = 0; // pounds
    std::uint8_t endday = 0, endmonth = 0;
    std::uint8_t goldwon = 0;
};

// The new-game window's state, kept for the whole run beside the game state.
struct NewGame {
    NewGameView view;
    int appliedLevel = kDefaultLevel; // whose money, target and deadline are in force
    // While goldwon is 1: the level whose win set it. A bar is earned once per level, and
    // applying any other row lets that one earn the next bar.
    int goldLevel = kNoLevel;
    // The money, start money, target and deadline of the level or mode the window shows,
    // which Start puts in force (goldwon aside); empty before the window's first choice.
    std::optional<LevelValues> startValues;
};

LevelValues levelValues(const GameState& state);
void applyLevelValues(GameState& state, const LevelValues& values);

// Free play and two-player: £15000, no target and a deadline that never comes.
void freePlayValues(GameState& state);
// Start: the values the window shows into the game state; goldwon stays.
void applyStartValues(const NewGame& ng, GameState& state);

QString goldbarsText(int count); // "15 goldbars"

// Window created: gold-bar label, row 0 selected, default configuration.
void goldbars(NewGame& ng, GameState& state);
// Refresh the gold-bar label from goldbarcount (after a bar was won, when the window reopens).
void refreshGoldbars(NewGame& ng, const GameState& state);
// `levels` clicked: apply row 0..14, or refuse it through loadfirst when bars are missing.
// Values go into the game state at once, also during a running game.
void levelload(NewGame& ng, GameState& state, Messages& messages, int row);
// A row applied without the gold-bar gate: the window's texts and the row's values in force.
// row is its place 0..14 (a row of a table of one's own keeps the place it stands for).
void applyLevel(NewGame& ng, GameState& state, const LevelRow& level, int row);
// The refusal: information box, then row 0 and the default configuration.
void loadfirst(NewGame& ng, GameState& state, Messages& messages);
// `playername` changed: the whole text "Petra Lund" sets the count to 15.
void cheat(NewGame& ng, GameState& state, const QString& text);
// The three modes. Single play keeps whatever values are in force.
void singleplay(NewGame& ng, GameState& state);
void freeplay(NewGame& ng, GameState& state);
void multiplayer(NewGame& ng, GameState& state);
// "Play until" of the two-player mode: row 0..4 of playUntilChoices. In two-player mode its
// deadline is in force at once, as a level's is.
void playuntil(NewGame& ng, GameState& state, int row);

// A loaded game's mode (1 single play, 2 free play, 3 two-player) and level in force (a row,
// kDefaultLevel or kFreePlayLevel), with the view they give, as if chosen in the window but
// without the gold-bar gate: the game was already being played. The caller then restores the
// money, target and deadline the game had.
void restoreLevel(NewGame& ng, GameState& state, int mode, int level);
// A loaded two-player game's "Play until", shown as chosen (after restoreLevel and the loaded
// deadline): the game keeps its deadline, and the next Start gives the same.
void restorePlayUntil(NewGame& ng, const GameState& state);
// The mode whose marker is shown: 1, 2 or 3.
int chosenMode(const NewGame& ng);
// The window's big heading (`level`): the level chosen in single play ("Level 3", "Bonus
// Level"), "Free play" or "Two players".
QString headingOf(const NewGame& ng);
// After level row `won` was won: the next row in the list, from the top again after the last,
// that the gold bars open and that has not paid its bar yet; -1 when there is none.
int nextLevel(const GameState& state, int won);

enum class StartOutcome {
    Refused,     // two-player without both names: message shown, nothing else happens
    NameMissing, // message shown, the window stays; the game is left as it was
    Kept,        // the player chose to go on with the game being played: nothing changed
    Started,     // username (or both players' names) set: the window hides and the game begins
};
// The checks of Start, with their messages; Session::start runs them and what follows. Started
// means the names may begin a game; nothing in the game has changed yet.
// p1caption, p2caption: the texts of `player1name` and `player2name`, the names of a
// two-player game.
StartOutcome startCheck(Game& game, const QString& playername, const QString& p1caption,
                        const QString& p2caption);

// The level row 0..14 whose money, target and deadline the game has, kDefaultLevel for the
// default configuration, or kNoLevel for anything else (free play, a two-player game).
int levelOf(const GameState& state);
// The level row whose gold bar a win of this game pays: levelOf's, the default configuration
// counting as Level 1 (row 0, whose heading the window shows it under); -1 for none.
int levelInForce(const GameState& state);

// The level's name in the Performance window: "Level 1" .. "Level 14", "Bonus Level" for rows
// 0..14; the default configuration as the new-game window shows it ("Level 1"); "Two players"
// and "Free play".
QString levelName(int appliedLevel, const GameState& state);

} // namespace quotara
