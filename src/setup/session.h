#pragma once
// The game's sequences apart from End Day: start-up, Start, Continue after a level (and, with
// saved games, Load Game). Each reads top to bottom as the game requires; where a step shows
// or refreshes windows it calls SessionViews, which the windows implement, as End Day calls
// DayViews.

#include "setup/levels.h"
#include "state/game.h"

#include <QString>

#include <functional>
#include <optional>

namespace quotara {

// What the sequences ask of the windows, each a whole step a player can see.
class SessionViews {
  public:
    virtual ~SessionViews() = default;

    // Start-up
    // Status bar, Label1, End Day and the pages hidden, every tab too; the World News
    // captions emptied.
    virtual void hideGame() = 0;
    // portfolioclear, then Button6Click: the Portfolio page's rows emptied.
    virtual void clearPortfolio() = 0;
    // The first entry of the price-page selector, without its refresh.
    virtual void selectFirstPricePage() = 0;
    // The Share Lookup list holds the names of shares 0..19, entry 0 selected, and lookupsel.
    virtual void listShares() = 0;
    // Status panels 0 (money), 2 (user) and 1 (date) from the game state; the bar stays hidden.
    virtual void showStatusTexts() = 0;

    // Start and Continue
    virtual void closeNewGame() = 0; // the new-game window hidden
    virtual void openNewGame() = 0;  // the new-game window shown
    // The pages, their tabs, Label1, the status bar and End Day shown, then the main window
    // and the ticker.
    virtual void showGame() = 0;
    virtual void showUser() = 0; // status panel 2: "User - " and the username
    // The market's views after newgamereset: empty headlines, the first price page, the
    // Share Lookup page and the Financial Info index figures.
    virtual void resetViews() = 0;
    virtual void selectLookupPage() = 0; // without the page-change refresh
    virtual void refreshPages() = 0;     // dataload
    virtual void hideTicker() = 0;
    virtual void closeEndOfLevel() = 0;

    // Load Game
    // The refresh of a loaded game: dataload, the date panel, the Financial Info figures with
    // the index changes, the World News captions and numbers, lookupsel, the ticker's text.
    virtual void showLoaded() = 0;
    virtual void closePlayerDetails() = 0;
};

// What the new-game window's Start hands over.
struct StartNames {
    QString playername; // `playername`
    QString p1caption;  // `player1name`
    QString p2caption;  // `player2name`
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

    // FormCreate: the disclaimer, everything that needs a game hidden, the news table, the
    // start values and the share list. False when the disclaimer was answered No: the program
    // ends with nothing saved.
    bool startUp();

    // A choice of the new-game window (mode, level, name), run on the game state. With no
    // game running it is in force at once. While one runs it changes only the window and
    // what Start will put in force, so the game keeps its money, target and deadline;
    // twoplayer and the gold-bar count still follow at once.
    void choose(const std::function<void(GameState&)>& choice);
    bool running() const { return running_; }

    // Start of the new-game window. Every check comes first: after Refused or NameMissing
    // nothing in the game has changed.
    StartOutcome start(const StartNames& names);

    // Continue of the end-of-level window: the market back at its start values (money,
    // target and gold bars stay), the new-game window up and start-up run again. False when
    // the disclaimer was answered No: the program ends.
    bool continueAfterLevel();

    // File > Save Game: the saved game written whole, or the old one kept (savegame).
    bool saveGame();

    // File > Load Game: every file read and checked first; a refusal shows its message and
    // changes nothing. Then the saved game into memory, the refresh, playing state and
    // "Game loaded successfully.". True when loaded.
    bool loadGame();

    // Button4Click: the news file into the news table; an unreadable file is reported.
    void loadNews();

  private:
    Game& game_;
    SessionViews& views_;
    NewGame newGame_;
    bool running_ = false;               // a game was started or loaded and has not ended
    std::optional<LevelValues> pending_; // choices made while it runs, for the next Start
    void applyPendingChoices();
};

} // namespace quotara
