#pragma once
// Engine tree, play/: the game's flow, the top of the engine. Engine, so every sequence's order
// is pinned by headless tests; windows reach it through SessionViews and DayViews.
//
// The game's sequences apart from End Day's own steps: start-up, Start, Continue after a level,
// Save and Load Game, the editor, the level's end and the ways out. Each reads top to bottom as
// the game requires; where a step shows or hides windows it calls SessionViews, which the
// windows implement, as End Day calls DayViews. The Session owns the game's phase: every
// sequence checks it and moves it, and the windows ask it rather than their own visibility.

#include "play/autosaver.h"
#include "play/endofday.h"
#include "play/goldbars.h"
#include "play/halloffame.h"
#include "play/levels.h"
#include "state/game.h"
#include "trading/trade.h"

#include <QString>

#include <functional>
#include <optional>

namespace quotara {

// Where the game is.
enum class Phase {
    NoGame,     // start-up done and nothing begun: the main window says how to begin
    Playing,    // a game started or loaded: days end, shares trade, the game can be saved
    Editing,    // the Game Editor in place of the pages: no day ends, nothing trades or saves
    LevelEnded, // the deadline passed: the verdict waits for Continue or Exit
    Continued,  // Continue: the new-game window alone, waiting for Start
    Ending,     // the player chose to leave: the program ends and nothing asks again
};

// What the sequences ask of the windows, each a step of the game a player can see.
class SessionViews {
  public:
    virtual ~SessionViews() = default;

    // Start-up, before anything is loaded: nothing that needs a game can be seen or chosen.
    virtual void showNoGame() = 0;
    // Start-up, after the start values: the portfolio emptied, the first price page, the
    // share list and the status texts (the status bar stays hidden).
    virtual void showStartValues() = 0;
    // The new-game choices (the New Game window) opened or closed.
    virtual void showNewGameChoices() = 0;
    virtual void closeNewGameChoices() = 0;
    // A game begins or comes back: the pages, End Day, the status bar with the player's name,
    // the main window and the ticker. What belongs to no game (the verdict of an earlier
    // level, the player details) closes.
    virtual void showGame() = 0;
    // The market as a new game's reset leaves it: date, empty headlines, first price page,
    // index figures, the Share Lookup page chosen and every page refreshed.
    virtual void showNewMarket() = 0;
    // A loaded game: every page, panel, caption and the ticker's text from the loaded state.
    virtual void showLoadedGame() = 0;
    // The Game Editor in place of the game's pages, or the pages back in its place.
    virtual void showEditor() = 0;
    virtual void closeEditor() = 0;
    // The level's end: every window of the finished game closes and the verdict shows alone.
    virtual void showLevelEnd(const LevelVerdict& verdict) = 0;
    // Continue: the verdict and the ticker go.
    virtual void closeLevelEnd() = 0;
};

// Views that show nothing: the simulator's robots, benchmarks and other games without windows.
class NoSessionViews : public SessionViews {
  public:
    void showNoGame() override {}
    void showStartValues() override {}
    void showNewGameChoices() override {}
    void closeNewGameChoices() override {}
    void showGame() override {}
    void showNewMarket() override {}
    void showLoadedGame() override {}
    void showEditor() override {}
    void closeEditor() override {}
    void showLevelEnd(const LevelVerdict&) override {}
    void closeLevelEnd() override {}
};

// What the new-game window's Start hands over.
struct StartNames {
    QString playername; // `playername`
    QString p1caption;  // `player1name`
    QString p2caption;  // `player2name`
};

// What a window being closed does.
enum class Closing {
    Close, // it closes and the program goes on
    Stay,  // the player answered No: it stays open
    Quit,  // the player chose to leave: the program ends
};

class Session {
  public:
    Session(Game& game, SessionViews& views) : game_(game), views_(views) {}
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Game& game() { return game_; }
    // The new-game window's mode, level and gold-bar bookkeeping, kept for the whole run; a
    // saved game holds its level and mode.
    NewGame& newGame() { return newGame_; }

    Phase phase() const { return phase_; }
    // A game is on screen, playing or being edited.
    bool gameOn() const { return phase_ == Phase::Playing || phase_ == Phase::Editing; }

    // FormCreate: the disclaimer, everything that needs a game hidden, the news table, the
    // start values and the share list. False when the disclaimer was answered No: the program
    // ends with nothing saved. A program restarted by the player (a new zoom) skips the
    // disclaimer, already answered in this sitting.
    bool startUp(bool askDisclaimer = true);

    // A choice of the new-game window (mode, level, name), run on the game state. With no
    // game going on it is in force at once. While one is (playing, editing or at its end) it
    // changes only the window and what Start will put in force, so the game keeps its money,
    // target, deadline and its one or two players; the gold-bar count still follows at once.
    void choose(const std::function<void(GameState&)>& choice);

    // Start of the new-game window: the game begins with the money, target and deadline the
    // window shows; a two-player game with player 1's turn, each player with that money.
    // Every check comes first, then the question whether to abandon the game being played
    // (mayReplaceGame): after Refused, NameMissing or Kept nothing in the game has changed.
    StartOutcome start(const StartNames& names);

    // Continue of the end-of-level window: the market back at its start values, the new-game
    // window up (after a won level, with the next level open in it) and start-up run again. False
    // when the disclaimer was answered No: the program ends. Only at a level's end; otherwise
    // nothing happens.
    bool continueAfterLevel();

    // File > Save Game: the saved game written whole, or the old one kept. Only while
    // playing; otherwise refused with a message and nothing written.
    bool saveGame();

    // File > Load Game: every file read and checked first; a refusal shows its message and
    // changes nothing. Then the question whether to abandon the game being played
    // (mayReplaceGame), the saved game into memory, the refresh, playing and "Game loaded
    // successfully.". True when loaded.
    bool loadGame();

    // File > Resume Game: the autosave brought back as Load Game brings back the saved game,
    // with the same checks and question first; one that is refused is left as it is. True
    // when resumed.
    // quietly: the program started again at a new zoom brings back the game it left, with
    // no box to say so.
    bool resumeGame(bool quietly = false);
    // File > Resume Game is offered: there is an autosave, or one is being written.
    bool hasAutosave() const;
    // From now on the autosave is written on a thread of its own (the game; tests write it
    // at once).
    void autosaveInBackground() { autosaver_.runInBackground(); }
    // Waits until the autosave handed over is on disk; false, after telling it, when it
    // failed.
    bool finishAutosave();

    // Options > Forget Gold Bars...: after Yes to its question (No by default), no gold bars
    // and no level won, here and from the next start on. True when forgotten.
    bool forgetGoldBars();

    // The best results of each level and of two-player wins, kept from run to run.
    const HallOfFame& hallOfFame() const { return hall_; }
    // The Hall of Fame window's Clear…: after Yes to its question (No is the default), the
    // hall is empty, here and from the next start on; the gold bars stay. True when cleared.
    bool clearHallOfFame();

    // Button4Click: the news file into the news table; an unreadable file is reported.
    void loadNews();

    // The End Day button: End Day's steps, and at the deadline the level's end. Only while
    // playing; otherwise refused with a message. Then the day is kept as the autosave, or at
    // the level's end the autosave is removed: a finished level cannot be resumed.
    DayResult endDay(DayViews& views);

    // OK of the trade dialog (tradeOk). Only while playing; otherwise refused with a message
    // and nothing traded. A completed trade is kept as the autosave, as an End Day is, before
    // it is confirmed.
    TradeOutcome trade(const QString& dialogCaption, int share, const QString& quantityText);

    // Options > Game Editor: the editor in place of the pages, or the pages back. Refused
    // with "You must start a new game first!" when no game is on.
    void toggleEditor();

    // Options > Players: true while a game is on; otherwise "You must start a new game
    // first!" and false.
    bool playersAllowed();
    // Options > Status: where the game stands in its level (levelProgressText) in an
    // information box while a game is on; otherwise "You must start a new game first!".
    void showStatus();

    // The quit question (File > Exit, the end-of-level Exit). True when the player chose to
    // leave: the phase is Ending from here and nothing asks again. A game on is kept as the
    // autosave first; when that fails the player is asked whether to quit all the same (No by
    // default), and No keeps the program and the game as they were.
    bool askToQuit();
    // The main window's close box: the program ends without the quit question, the game on
    // kept as the autosave; when it cannot be kept, the same question as askToQuit's. True to
    // close.
    bool closeMain();
    // A logout, a shutdown or a signal: the program ends without a question, the game on kept
    // as the autosave (a failure is told).
    void end();
    // Before the program is started again (Options > Zoom): a game being played is autosaved
    // now and whole. Empty when done; otherwise why not, and the game goes on as it was.
    QString keepForRestart();
    // The next program is started: this one ends without a question or another autosave.
    void endForRestart() { phase_ = Phase::Ending; }
    // The end-of-level window's close box: the quit question, as its Exit.
    Closing closeLevelEnd();
    // The new-game window closed: after Continue it is the only window, so the quit question
    // decides; otherwise it only closes.
    Closing closeNewGameChoices();

    // A game about to take the place of the one on screen: true to go ahead. While a game is
    // on and something happened in it since it was started, loaded, resumed or saved (a trade,
    // an End Day), the player is asked whether to abandon it, No by default.
    bool mayReplaceGame();

  private:
    // The message of an action refused outside its phase, or an empty text when allowed.
    QString refusal() const;
    bool refuse();
    void applyPendingChoices();
    bool loadSet(bool resume, bool quietly = false);
    void autosave();
    void handAutosave(); // the game to the autosaver
    // The game on written as the autosave, whole, before the program ends. True when kept or
    // none was on; after a failure, with mayStay and something done since the game was
    // started, loaded, resumed or saved, the answer to whether to leave all the same,
    // otherwise the failure told and true.
    bool keepAtExit(bool mayStay);
    void tellAutosaveFailure(const std::optional<SaveFailure>& failure);
    void restoreGoldBars();
    void keepGoldBars(); // written with the settings when changed; a failure is told
    // The finished game's result into the hall, and the verdict says a new best.
    void enterHallOfFame(LevelVerdict& verdict);
    void restoreHallOfFame(); // a result that does not read is told and set aside
    void keepHallOfFame();    // written with the settings; a failure is told

    Game& game_;
    SessionViews& views_;
    NewGame newGame_;
    Phase phase_ = Phase::NoGame;
    // Choices made while a game is on, for the next Start: the level's values and the mode's
    // twoplayer.
    std::optional<LevelValues> pending_;
    std::uint8_t pendingTwoplayer_ = 0;
    Autosaver autosaver_;
    bool autosaveWanted_ = false; // the last job handed over writes, not removes
    bool unsaved_ = false;        // a trade or End Day since the game was started, loaded or saved
    int wonLevel_ = -1;           // the level row the last level's end won, or -1
    bool autosaveFailureTold_ = false;     // once per run
    std::optional<GoldBars> keptGoldBars_; // what the settings hold; none before start-up
    HallOfFame hall_;
};

} // namespace quotara
