// The game's sequences in their order: start-up, Start and Continue, each step where the game
// needs it, with the windows replaced by a recording fake.

#include "play/session.h"
#include "shipped/news.h"
#include "state/install.h"
#include "support/files.h"
#include "support/sessionviews.h"

#include <QFile>
#include <QTemporaryDir>

#include <tuple>

#include <gtest/gtest.h>

using namespace quotara;
using test::RecordingSessionViews;
using test::StepMessages;

namespace {

const QString kStartUpSteps[] = {"ask DISCLAIMER", "showNoGame",
                                 "showStartValues Abbey National 1/1"};

QStringList startUpSteps() {
    return QStringList(std::begin(kStartUpSteps), std::end(kStartUpSteps));
}

class SessionTest : public ::testing::Test {
  protected:
    SessionTest() { installDataFolder(folder(), shippedNewsFile()); }
    DataFolder folder() const { return DataFolder(tmp.path() + "/quotara"); }
    // Start-up, Start, and one End Day to a deadline set for the next day.
    void playToTheLevelsEnd() {
        ASSERT_TRUE(session.startUp());
        ASSERT_EQ(session.start({"Ann", {}, {}}), StartOutcome::Started);
        s.endday = 2;
        s.endmonth = 1;
        NoDayViews none;
        ASSERT_EQ(session.endDay(none), DayResult::DayEnded);
        ASSERT_EQ(session.phase(), Phase::LevelEnded);
    }

    QTemporaryDir tmp;
    QStringList steps;
    test::FakeClock clock;
    StepMessages messages{steps};
    Game game{clock, messages, folder()};
    GameState& s = game.state;
    RecordingSessionViews views{steps, s};
    Session session{game, views};
};

TEST_F(SessionTest, startUpAsksFirstThenHidesLoadsAndLists) {
    EXPECT_TRUE(session.startUp());
    EXPECT_EQ(steps, startUpSteps());
    EXPECT_EQ(s.newsitems[1].text.toQString().isEmpty(), false) << "the news file was loaded";
    EXPECT_EQ(s.daycount, 0) << "no game has begun";
}

TEST_F(SessionTest, noToTheDisclaimerDoesNothingElse) {
    messages.answers = {false};
    EXPECT_FALSE(session.startUp());
    EXPECT_EQ(steps, QStringList{"ask DISCLAIMER"});
    EXPECT_EQ(s.year, 0);
}

// A two-player game that comes back to start-up begins again with player 1, whatever the
// answer.
TEST_F(SessionTest, startUpGivesATwoPlayerGameToPlayerOne) {
    s.twoplayer = 1;
    s.player = 2;
    messages.answers = {false};
    session.startUp();
    EXPECT_EQ(s.player, 1);
    s.twoplayer = 0;
    s.player = 2;
    session.startUp();
    EXPECT_EQ(s.player, 2);
}

// The report comes between hiding the game and clearing the portfolio, and the market still
// gets its start values.
TEST_F(SessionTest, startUpReportsAMissingNewsFileAndGoesOn) {
    QFile::remove(folder().newsFile());
    EXPECT_TRUE(session.startUp());
    QStringList expected = startUpSteps();
    expected.insert(2, "show " + test::errorWithFile("File not found", folder().newsFile()));
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(s.ftse, 5217);
}

TEST_F(SessionTest, startWithANameShowsTheGameThenResetsAndRefreshes) {
    session.startUp();
    s.shares[0].owned = 10;
    steps.clear();
    EXPECT_EQ(session.start({"Ann", {}, {}}), StartOutcome::Started);
    EXPECT_EQ(steps,
              QStringList({"closeNewGameChoices", "showGame Ann", "showNewMarket day 1 owned 0"}));
    EXPECT_EQ(session.phase(), Phase::Playing);
    session.start({"ABCDEFGHIJKLMNOPQRSTUVWXY", {}, {}});
    EXPECT_EQ(s.username.toQString(), "ABCDEFGHIJKLMNOPQRST") << "the first 20 characters";
}

// Start, Load and Resume ask before they replace a game in which something happened since it
// was started, loaded, resumed or saved; No (the default) leaves it as it was.
TEST_F(SessionTest, aGameIsReplacedOnlyAfterYesWhenThereIsSomethingToLose) {
    const QString question = "ask (No) Abandon th";
    const auto asked = [&] { return steps.contains(question); };
    NoDayViews none;
    session.startUp();
    session.start({"Ann", {}, {}});
    steps.clear();
    EXPECT_EQ(session.start({"Bo", {}, {}}), StartOutcome::Started);
    EXPECT_FALSE(asked()) << "nothing happened since Start";

    session.endDay(none);
    steps.clear();
    messages.answers = {false};
    EXPECT_EQ(session.start({"Cy", {}, {}}), StartOutcome::Kept);
    EXPECT_EQ(steps, QStringList{question});
    EXPECT_EQ(std::pair(s.username.toQString(), int(s.daycount)), std::pair(QString("Bo"), 2));

    ASSERT_TRUE(session.saveGame());
    steps.clear();
    EXPECT_TRUE(session.loadGame());
    EXPECT_FALSE(asked()) << "saved: nothing to lose";

    s.money = 15000;
    ASSERT_TRUE(session.trade(kBuyCaption, 3, "10").completed);
    steps.clear();
    messages.answers = {false};
    EXPECT_FALSE(session.loadGame());
    EXPECT_EQ(steps, QStringList{question});
    EXPECT_EQ(s.shares[3].owned, 10);
    messages.answers = {false};
    EXPECT_FALSE(session.resumeGame());
    EXPECT_EQ(s.shares[3].owned, 10);
    steps.clear();
    EXPECT_TRUE(session.loadGame()); // Yes
    EXPECT_TRUE(asked());
    EXPECT_EQ(s.shares[3].owned, 0);

    // A refused load asks nothing; neither does a level that has ended.
    session.endDay(none);
    QFile::remove(folder().savedPlayersFile());
    steps.clear();
    EXPECT_FALSE(session.loadGame());
    EXPECT_FALSE(asked());
    s.endday = s.day + 1, s.endmonth = s.month;
    session.endDay(none);
    ASSERT_EQ(session.phase(), Phase::LevelEnded);
    steps.clear();
    session.start({"Di", {}, {}});
    EXPECT_FALSE(asked());
}

// A refused Start must not wipe the running game: holdings, prices and date stay.
TEST_F(SessionTest, startWithoutANameChangesNothing) {
    session.startUp();
    session.start({"Ann", {}, {}});
    s.shares[0].owned = 10;
    s.shares[0].price = 1200;
    s.day = 3;
    steps.clear();
    EXPECT_EQ(session.start({{}, {}, {}}), StartOutcome::NameMissing);
    EXPECT_EQ(steps, QStringList{"show Please type in a player name."});
    EXPECT_EQ(std::tuple(s.shares[0].owned, s.shares[0].price, s.day), std::tuple(10, 1200, 3));
}

// While a game runs, the new-game window's choices wait for Start, the mode's players too.
TEST_F(SessionTest, choicesDuringAGameWaitForStart) {
    NewGame ng;
    session.startUp();
    session.choose([&](GameState& st) { goldbars(ng, st); });
    session.start({"Ann", {}, {}});
    s.money = 14886;
    session.choose([&](GameState& st) { freeplay(ng, st); });
    EXPECT_EQ(std::tuple(s.money, s.target, s.endmonth), std::tuple(14886, 16000, 2));
    session.choose([&](GameState& st) { multiplayer(ng, st); });
    EXPECT_EQ(s.twoplayer, 0);
    session.choose([&](GameState& st) { singleplay(ng, st); });
    EXPECT_EQ(s.twoplayer, 0);
    EXPECT_EQ(std::tuple(s.money, s.target, s.endmonth), std::tuple(14886, 16000, 2));

    session.start({"Ann", {}, {}});
    // Single play keeps the free-play values chosen before it.
    EXPECT_EQ(std::tuple(s.money, s.startmoney, s.target, s.endmonth), std::tuple(15000, 0, 0, 0));
}

// With no game running (start-up, after Continue) a choice is in force at once.
TEST_F(SessionTest, choicesBeforeAnyGameApplyAtOnce) {
    NewGame ng;
    session.startUp();
    session.choose([&](GameState& st) { goldbars(ng, st); });
    session.choose([&](GameState& st) { freeplay(ng, st); });
    EXPECT_EQ(std::tuple(s.money, s.target), std::tuple(15000, 0));
}

// Continue: the market reset and shown, the new-game window up, then start-up again.
TEST_F(SessionTest, continueResetsOpensTheNewGameWindowAndStartsUpAgain) {
    playToTheLevelsEnd();
    s.shares[0].owned = 10;
    s.shares[3].name.assign(QStringLiteral("Loaded Co"));
    steps.clear();
    EXPECT_TRUE(session.continueAfterLevel());
    QStringList expected = {"showNewMarket day 1 owned 0", "showNewGameChoices", "closeLevelEnd"};
    expected << startUpSteps();
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(s.shares[3].name.toQString(), "BAA") << "start-up restores the built-in names";
    EXPECT_EQ(session.phase(), Phase::Continued);
}

TEST_F(SessionTest, continueThenNoToTheDisclaimerClosesTheNewGameWindowAndEnds) {
    playToTheLevelsEnd();
    steps.clear();
    messages.answers = {false};
    EXPECT_FALSE(session.continueAfterLevel());
    EXPECT_EQ(steps.mid(3), QStringList({"ask DISCLAIMER", "closeNewGameChoices"}));
    EXPECT_EQ(session.phase(), Phase::Ending);
}

} // namespace

// Load Game: the files first, then the refresh with the loaded figures, playing state and the
// message last; a refusal shows only its message.
TEST_F(SessionTest, loadReadsFirstThenRefreshesThenPlays) {
    EXPECT_FALSE(session.loadGame());
    EXPECT_EQ(steps, QStringList{"show There is no save game file to load!"});

    ASSERT_TRUE(session.startUp());
    session.start({"Ann", {}, {}});
    s.day = 3, s.month = 3, s.money = 40000, s.headline1item = 7;
    s.headlines1.caption = s.newsitems[7].text.toQString();
    s.headlines1.number = 7;
    s.username.assign(QStringLiteral("Petra"));
    ASSERT_TRUE(session.saveGame());
    s.day = 1, s.month = 1, s.money = 15000;
    s.headlines1.clear();
    steps.clear();

    EXPECT_TRUE(session.loadGame());
    EXPECT_EQ(steps, (QStringList{"showLoadedGame 3/3 £40000 " + s.newsitems[7].text.toQString(),
                                  "showGame Petra", "show Game loaded successfully."}));
}

// The level's end comes after End Day's own steps and message: the verdict, then nothing of
// the game can act until Continue or Exit.
TEST_F(SessionTest, theDeadlineEndsTheLevelAfterTheDaysMessages) {
    playToTheLevelsEnd();
    ASSERT_GE(steps.size(), 2);
    EXPECT_EQ(steps.mid(steps.size() - 2),
              QStringList({"show You made a profit of £0", "showLevelEnd Congrat"}));
}

TEST_F(SessionTest, theEditorTakesTurnsWithThePagesOnlyDuringAGame) {
    session.startUp();
    steps.clear();
    session.toggleEditor();
    EXPECT_EQ(steps, QStringList{"show You must start a new game first!"});
    session.start({"Ann", {}, {}});
    steps.clear();
    session.toggleEditor();
    EXPECT_EQ(session.phase(), Phase::Editing);
    session.toggleEditor();
    EXPECT_EQ(session.phase(), Phase::Playing);
    EXPECT_EQ(steps, QStringList({"showEditor", "closeEditor"}));
}

// Yes ends the program once: whatever closes afterwards does not ask again.
TEST_F(SessionTest, theQuitQuestionIsAskedUntilYesThenNeverAgain) {
    session.startUp();
    steps.clear();
    messages.answers = {false, true};
    EXPECT_FALSE(session.askToQuit());
    EXPECT_TRUE(session.askToQuit());
    EXPECT_EQ(session.phase(), Phase::Ending);
    EXPECT_EQ(session.closeLevelEnd(), Closing::Close);
    EXPECT_EQ(session.closeNewGameChoices(), Closing::Close);
    EXPECT_EQ(steps, QStringList({"ask Are you su", "ask Are you su"}));
}

// The new-game window is the last window only after Continue; elsewhere it just closes.
TEST_F(SessionTest, closingTheNewGameWindowAsksOnlyWhenItIsTheLastWindow) {
    session.startUp();
    EXPECT_EQ(session.closeNewGameChoices(), Closing::Close);
    playToTheLevelsEnd();
    messages.answers = {true, false};
    session.continueAfterLevel();
    steps.clear();
    EXPECT_EQ(session.closeNewGameChoices(), Closing::Stay);
    messages.answers = {true};
    EXPECT_EQ(session.closeNewGameChoices(), Closing::Quit);
    EXPECT_EQ(steps, QStringList({"ask Are you su", "ask Are you su"}));
}

// Start begins with the money of the level the window shows, not what the last game left.
TEST_F(SessionTest, startTakesTheShownLevelsMoneyEveryTime) {
    NewGame& ng = session.newGame();
    session.startUp();
    session.choose([&](GameState& st) { goldbars(ng, st); });
    session.choose([&](GameState& st) { levelload(ng, st, messages, 0); });
    session.start({"Ann", {}, {}});
    s.money = 13855;
    session.start({"Ann", {}, {}});
    EXPECT_EQ(std::tuple(s.money, s.target, s.endday, s.endmonth), std::tuple(15000, 15001, 1, 2));

    s.money = 267; // a lost level
    NoDayViews none;
    while (session.phase() == Phase::Playing)
        session.endDay(none);
    session.continueAfterLevel();
    session.start({"Ann", {}, {}});
    EXPECT_EQ(s.money, 15000);
}

// What the new-game window was given while the level ran is in force once Continue ends it.
TEST_F(SessionTest, continuePutsTheChoicesMadeDuringTheLevelInForce) {
    NewGame& ng = session.newGame();
    session.startUp();
    session.choose([&](GameState& st) { goldbars(ng, st); });
    session.start({"Ann", {}, {}});
    session.choose([&](GameState& st) { freeplay(ng, st); });
    s.endday = 2, s.endmonth = 1;
    NoDayViews none;
    session.endDay(none);
    session.continueAfterLevel();
    EXPECT_EQ(std::tuple(s.target, s.endday), std::tuple(0, 0));
}

// A choice made before a load belongs to the game the load replaced: a stale one would keep
// the loaded level's gold bar from being won.
TEST_F(SessionTest, loadDropsTheChoicesMadeBeforeIt) {
    NewGame& ng = session.newGame();
    session.startUp();
    s.goldbarcount = 1;
    session.choose([&](GameState& st) { goldbars(ng, st); });
    session.choose([&](GameState& st) { levelload(ng, st, messages, 1); });
    session.start({"Ann", {}, {}});
    ASSERT_TRUE(session.saveGame()); // a Level 2 game
    session.choose([&](GameState& st) { levelload(ng, st, messages, 0); });
    session.start({"Ann", {}, {}});
    s.goldwon = 1; // Level 1 won: its bar cannot be won again
    session.choose([&](GameState& st) { levelload(ng, st, messages, 0); });
    ASSERT_TRUE(session.loadGame());
    session.start({"Ann", {}, {}});
    EXPECT_EQ(s.goldwon, 0) << "Level 2's bar can still be won";
}
