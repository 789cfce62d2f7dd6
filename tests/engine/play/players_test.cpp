#include "play/players.h"
#include "play/turnchange.h"
#include "support/marketgame.h"

#include <gtest/gtest.h>

using namespace quotara;

namespace {

struct Players : ::testing::Test {
    test::MarketGame market;
    Game& game = market.game;
    GameState& s = market.s;
    test::RecordingMessages& messages = market.messages;
};

const QString kBothNames = QStringLiteral("Please enter a name for both player 1 and player 2!");

} // namespace

// The names role is open only in the two-player mode; renaming needs a two-player game on,
// not just the mode chosen in the new-game window.
TEST_F(Players, theSecondNameIsForATwoPlayerGameOnly) {
    EXPECT_TRUE(secondNameEnabled(s, true));
    s.twoplayer = 1;
    EXPECT_FALSE(secondNameEnabled(s, false));
    s.player = 2;
    EXPECT_TRUE(secondNameEnabled(s, false));
}

// The names wait for Start: a game being played keeps its players' names.
TEST_F(Players, theNamesRoleWantsBothNames) {
    s.p1name.assign(QStringLiteral("Old"));
    for (const auto& [one, two] : {std::pair{"", "Bob"}, {"Ann", ""}, {"", ""}}) {
        messages.log.clear();
        EXPECT_FALSE(namesOk(game, one, two));
        EXPECT_EQ(messages.texts(), QStringList{kBothNames});
    }
    messages.log.clear();
    EXPECT_TRUE(namesOk(game, "Ann", "A name of twenty-three"));
    EXPECT_TRUE(messages.log.empty());
    EXPECT_EQ(s.p1name.toQString(), "Old");
    playersOk(s, "Ann", "A name of twenty-three");
    EXPECT_EQ(s.p1name.toQString(), "Ann");
    EXPECT_EQ(s.p2name.toQString(), "A name of twenty-thr"); // the slot holds 20
}

// "   " passed as a name: the game then named nobody in its hand-over and its verdict.
TEST_F(Players, aNameOfBlanksIsNoName) {
    EXPECT_FALSE(namesOk(game, "   ", "Bob"));
    EXPECT_FALSE(namesOk(game, "Ann", " \t "));
    EXPECT_EQ(messages.texts(), (QStringList{kBothNames, kBothNames}));
}

// "Sam" and "sam " both passed: "Sam wins by £39!" then named no one in particular.
TEST_F(Players, theTwoPlayersNeedDifferentNames) {
    EXPECT_FALSE(namesOk(game, "Sam", "sam "));
    EXPECT_EQ(messages.texts(), QStringList{"Please give player 1 and player 2 different names!"});
    EXPECT_TRUE(namesOk(game, "Sam", "Samantha"));
}

TEST_F(Players, thePlayerRoleRenamesTheSinglePlayer) {
    playerOk(s, "Nineteen characters");
    EXPECT_EQ(s.username.toQString(), "Nineteen characters");
    playerOk(s, "");
    EXPECT_TRUE(s.username.empty());
}

// The names entered with Edit names are the ones the hand-over of End Day shows.
TEST_F(Players, theHandOverNamesTheEnteredPlayers) {
    playersOk(s, "Ann", "Bob");
    s.twoplayer = 1;
    s.player = 1;
    EXPECT_TRUE(turnchange(game));
    EXPECT_FALSE(turnchange(game));
    EXPECT_EQ(messages.texts(), (QStringList{"End of Ann's turn and today's trading.",
                                             "End of Bob's turn and today's trading."}));
}
