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

// "Player 2 Name" can be typed in only in a two-player game.
bool secondNameEnabled(const GameState& state);

// OK in the names role. With both names: p1name and p2name := their first 20 characters, so
// the hand-over of End Day names the players, and true. Otherwise "Please enter a name for
// both player 1 and player 2!" and false: the window stays and nothing is copied.
bool namesOk(Game& game, const QString& player1, const QString& player2);

// OK in the player role: username := the first 20 characters of the name (an empty name gives
// an empty username). The caller shows userPanelText.
void playerOk(GameState& state, const QString& player1);

} // namespace quotara
