#pragma once
// The player-details window's rules: Options > Players renames the single player during a
// game; the new-game window's "Edit names . . ." collects the two names of a two-player game.

#include "state/game.h"

#include <QString>

namespace quotara {

// The longest name the saved files hold; the name fields stop taking letters there.
constexpr int kNameLength = 20;

// Why a name field refused a letter the saved files cannot hold (see unsavableLetter).
QString unsavableNameText(const QString& letter);

// "Player 2 Name" can be typed in only for a two-player game: in the names role (open only in
// the two-player mode), or in the player role while a two-player game is played.
bool secondNameEnabled(const GameState& state, bool namesrole);

// OK in the names role, and in the player role of a two-player game. With both names (each
// more than blanks) true; otherwise "Please enter a name for both player 1 and player 2!" and
// false, or with one name twice "Please give player 1 and player 2 different names!" and
// false: the window stays and nothing is copied. The names role only shows the names on the
// new-game window: Start makes them the players' (startCheck), so a game being played keeps its
// own.
bool namesOk(Game& game, const QString& player1, const QString& player2);

// OK in the player role: username := the first 20 characters of the name (an empty name gives
// an empty username). The caller shows userPanelText.
void playerOk(GameState& state, const QString& player1);
// OK in the player role of a two-player game, after namesOk: p1name and p2name := the first
// 20 characters of each.
void playersOk(GameState& state, const QString& player1, const QString& player2);

} // namespace quotara
