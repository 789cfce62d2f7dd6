#include "play/levels.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace quotara;
using Kind = Messages::Kind;

class Levels : public ::testing::Test {
  protected:
    void SetUp() override { goldbars(ng, state); }
    void expectDefaultConfiguration() {
        EXPECT_EQ(ng.view.listRow, 0);
        EXPECT_EQ(ng.view.targetText, QString::fromUtf8("Make a profit of £1,000 within 1 month."));
        EXPECT_EQ(ng.view.moneyText, QString::fromUtf8("£15,000"));
        EXPECT_EQ(state.money, 15000);
        EXPECT_EQ(state.startmoney, 15000);
        EXPECT_EQ(state.endday, 1);
        EXPECT_EQ(state.endmonth, 2);
        EXPECT_EQ(state.target, 16000);
    }
    void load(int row) { levelload(ng, state, messages, row); }

    test::FakeClock clock;
    test::RecordingMessages messages;
    Game game{clock, messages, DataFolder(QStringLiteral("unused"))};
    GameState& state = game.state;
    NewGame ng;
};

TEST_F(Levels, goldBarsUnlockTheRowsInOrder) {
    const auto& t = levelTable();
    for (int r = 1; r < kLevelCount; ++r)
        EXPECT_GE(t[r].barsNeeded, t[r - 1].barsNeeded);
}

TEST_F(Levels, windowStartsWithTheDefaultConfiguration) {
    expectDefaultConfiguration();
    EXPECT_EQ(ng.view.goldbarsLabel, "0 goldbars");
    EXPECT_TRUE(ng.view.sel1 && ng.view.levelsVisible && ng.view.nameEnabled);
    EXPECT_FALSE(ng.view.sel2 || ng.view.sel3 || ng.view.namesVisible);
}

TEST_F(Levels, rowWithoutEnoughBarsFallsBackToTheDefault) {
    freeplay(ng, state);
    load(1);
    ASSERT_EQ(messages.log.size(), 1u);
    EXPECT_EQ(messages.log[0].kind, Kind::Information);
    EXPECT_EQ(messages.log[0].text, "You do not have enough gold bars for this level");
    expectDefaultConfiguration();
}

TEST_F(Levels, rowsApplyTheirValuesAtOnce) {
    load(0); // explicitly chosen, row 0 differs from the default
    EXPECT_EQ(ng.view.targetText, "Make a profit within 1 month.");
    EXPECT_EQ(state.target, 15001);
    state.goldbarcount = 2;
    load(4);
    EXPECT_TRUE(messages.log.empty());
    EXPECT_EQ(ng.view.listRow, 4);
    EXPECT_EQ(state.money, 15000);
    EXPECT_EQ(state.target, 15500);
    EXPECT_EQ(state.endday, 8);
    EXPECT_EQ(state.endmonth, 1);
}

TEST_F(Levels, petraLundHasFifteenBars) {
    cheat(ng, state, "petra lund");
    EXPECT_EQ(state.goldbarcount, 0);
    cheat(ng, state, "Petra Lund");
    EXPECT_EQ(state.goldbarcount, 15);
    EXPECT_EQ(ng.view.goldbarsLabel, "15 goldbars");
    cheat(ng, state, "Petra Lundx");
    EXPECT_EQ(state.goldbarcount, 15);
    load(14);
    EXPECT_EQ(state.target, 35000);
}

TEST_F(Levels, modesSetTheirLookAndValues) {
    multiplayer(ng, state);
    EXPECT_EQ(state.twoplayer, 1);
    EXPECT_TRUE(ng.view.sel3 && ng.view.namesVisible);
    EXPECT_FALSE(ng.view.sel1 || ng.view.nameEnabled || ng.view.levelsVisible);
    EXPECT_EQ(ng.view.targetText, "Play a two player-game of Quotara!");

    freeplay(ng, state);
    singleplay(ng, state); // keeps the free-play values while the list shows again
    EXPECT_EQ(state.twoplayer, 0);
    EXPECT_TRUE(ng.view.sel1 && ng.view.levelsVisible && ng.view.nameEnabled);
    EXPECT_FALSE(ng.view.sel2 || ng.view.namesVisible);
    EXPECT_EQ(ng.view.targetText, "Play for as long as you like!");
    EXPECT_EQ(ng.view.moneyText, QString::fromUtf8("£15,000"));
    EXPECT_EQ(state.money, 15000);
    EXPECT_EQ(state.startmoney, 0);
    EXPECT_EQ(state.target, 0);
    EXPECT_EQ(state.endday, 0);
    EXPECT_EQ(state.endmonth, 0);
}

TEST_F(Levels, startChecksTheNamesAndChangesNothing) {
    multiplayer(ng, state);
    EXPECT_EQ(startCheck(game, "Ann", "Ann", ""), StartOutcome::Refused);
    EXPECT_EQ(messages.log.back().kind, Kind::Plain);
    EXPECT_EQ(messages.log.back().text,
              "Please input names for player 1 and 2 by pressing 'Edit names.'");
    EXPECT_TRUE(state.p1name.empty());
    messages.log.clear();
    EXPECT_EQ(startCheck(game, "", "Ann", "Bob"), StartOutcome::Started);
    EXPECT_TRUE(messages.log.empty());
    EXPECT_TRUE(state.p1name.empty()) << "the names are the Session's to set, after its question";

    singleplay(ng, state);
    EXPECT_EQ(startCheck(game, "", "", ""), StartOutcome::NameMissing);
    EXPECT_EQ(messages.log.back().kind, Kind::Information);
    EXPECT_EQ(messages.log.back().text, "Please type in a player name.");
    EXPECT_EQ(startCheck(game, "Ann", "", ""), StartOutcome::Started);
    EXPECT_TRUE(state.username.empty());
}

// "   " started a game for nobody: "User -    " and a hall of fame entry without a name.
TEST_F(Levels, aNameOfBlanksIsNoPlayerName) {
    singleplay(ng, state);
    EXPECT_EQ(startCheck(game, "   ", "", ""), StartOutcome::NameMissing);
    EXPECT_EQ(messages.texts(), QStringList{"Please type in a player name."});
}

// A bar is earned once per level: replaying the level that earned it earns nothing more,
// applying any other level lets that one earn the next.
TEST_F(Levels, goldwonStaysWithTheLevelThatEarnedIt) {
    state.goldbarcount = 2;
    load(4);
    state.goldwon = 1; // the goal check's win
    load(4);
    freeplay(ng, state);
    load(4);
    EXPECT_EQ(state.goldwon, 1);
    load(3);
    EXPECT_EQ(state.goldwon, 0);

    state.goldwon = 1; // level 4 won in turn
    load(5);           // refused: the default configuration is a level of its own
    EXPECT_EQ(state.goldwon, 0);
    state.goldwon = 1; // the default configuration won
    load(6);
    EXPECT_EQ(state.goldwon, 1);
}

// A loaded game's level and mode come back without the gold-bar gate, with the view they give.
TEST_F(Levels, aLoadedGamesLevelAndModeComeBack) {
    restoreLevel(ng, state, 1, 9); // no bars, yet a saved level-10 game
    EXPECT_TRUE(messages.log.empty());
    EXPECT_EQ(ng.appliedLevel, 9);
    EXPECT_EQ(ng.view.listRow, 9);
    EXPECT_EQ(ng.view.targetText, levelTable()[9].targetText);
    EXPECT_EQ(chosenMode(ng), 1);

    restoreLevel(ng, state, 1, kFreePlayLevel); // free play chosen, then single play
    EXPECT_EQ(ng.appliedLevel, kFreePlayLevel);
    EXPECT_EQ(ng.view.targetText, "Play for as long as you like!");
    EXPECT_TRUE(ng.view.sel1 && ng.view.levelsVisible);

    restoreLevel(ng, state, 1, kDefaultLevel);
    expectDefaultConfiguration();

    restoreLevel(ng, state, 2, kFreePlayLevel);
    EXPECT_EQ(chosenMode(ng), 2);
    EXPECT_FALSE(ng.view.levelsVisible);
    EXPECT_EQ(state.twoplayer, 0);

    restoreLevel(ng, state, 3, kFreePlayLevel);
    EXPECT_EQ(chosenMode(ng), 3);
    EXPECT_TRUE(ng.view.namesVisible);
    EXPECT_EQ(state.twoplayer, 1);

    restoreLevel(ng, state, 1, 2); // a level's game loaded in the two-player mode
    EXPECT_EQ(state.target, 18000);
}

// Two players until one month, then Single play and Start: a game of target £0 ended on 1
// February with "Congratulations! You win a gold bar!".
TEST_F(Levels, singlePlayAfterTwoPlayersHasNoDeadline) {
    multiplayer(ng, state);
    playuntil(ng, state, 0);
    ASSERT_EQ(state.endday * 100 + state.endmonth, 102);
    singleplay(ng, state);
    EXPECT_EQ(state.endday + state.endmonth, 0);
    EXPECT_EQ(ng.startValues->endday + ng.startValues->endmonth, 0);
    EXPECT_EQ(state.twoplayer, 0);
    EXPECT_TRUE(ng.view.levelsVisible);
    EXPECT_EQ(ng.view.targetText, "Play for as long as you like!");
}

// "Play until" is the two-player game's deadline; chosen in another mode it waits for the
// two-player mode. One year ends on the next 1 January.
TEST_F(Levels, playUntilSetsTheTwoPlayerDeadline) {
    multiplayer(ng, state);
    EXPECT_TRUE(ng.view.playUntilVisible);
    EXPECT_EQ(state.endday + state.endmonth, 0);
    singleplay(ng, state);
    EXPECT_FALSE(ng.view.playUntilVisible);
    playuntil(ng, state, 3);
    EXPECT_EQ(state.endmonth, 0);
    multiplayer(ng, state);
    EXPECT_EQ(state.endday * 100 + state.endmonth, 101);
    state.day = 2, state.month = 1, state.year = 1999;
    EXPECT_EQ(levelProgressText(state), "Two-player game: until 1st January 2000, 364 days left");
}
