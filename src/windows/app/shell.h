#pragma once
// Windows tree, app/: the program and its main window (src/windows, Qt Widgets). Windows only
// show the engine's figures and hand the player's actions to it.
//
// The game's windows, created once in the game's order and afterwards only shown and hidden.
// The shell owns them, wires each one's requests to the window that answers them, and shows
// the steps of the game's sequences (SessionViews) and of End Day (DayViews) in them. No
// window knows another: a new window is created in OtherWindows and connected in
// Shell::connectWindows.

#include "play/endofday.h"
#include "play/session.h"
#include "windows/app/helpviewer.h"
#include "windows/app/taboutbox.h"
#include "windows/app/tmain_screen.h"
#include "windows/components/tticker.h"
#include "windows/editor/tdatafiles.h"
#include "windows/play/tendgame.h"
#include "windows/play/thalloffame.h"
#include "windows/play/tnewgame.h"
#include "windows/play/tplayerdetails.h"
#include "windows/trading/tbuysell.h"
#include "windows/trading/tgraph.h"
#include "windows/trading/tperformance.h"

#include <QObject>

#include <memory>

namespace quotara {

// The windows made after the main window's start-up, in the game's order. They go in the
// opposite order, before the main window.
struct OtherWindows {
    // selectedShare: the Share Lookup page's choice, which the graph draws.
    OtherWindows(Session& session, Tgraph::SelectedShare selectedShare);
    Tnewgame newgame;
    TAboutBox about;
    Tbuysell buysell;
    Tplayerdetails players;
    Tdatafiles datafiles;
    Tticker ticker;
    Tendgame endgame;
    HelpViewer help;
    Tgraph graph;
    Tperformance performance;
    Thalloffame hallOfFame;
};

class Shell : public QObject, private SessionViews, private DayViews {
    Q_OBJECT

  public:
    // No window exists until start-up needs one.
    explicit Shell(Game& game);
    ~Shell() override;

    // The main window's start-up, then the other windows. False, and no other window, after
    // No to the disclaimer (not asked again on a restart).
    bool startUp(bool askDisclaimer = true);

    Session& session() { return session_; }
    Tmain_screen& main();                            // made on first use
    OtherWindows* others() { return others_.get(); } // null before start-up

  signals:
    // File > Exit or an end-of-level Exit answered Yes, the main window or a lone new-game
    // window closed, or No to the disclaimer after Continue: the program ends.
    void quitRequested();

  private:
    void connectWindows();
    // The ticker shows during a game while the player wants it (Options > News Ticker, kept
    // in the settings), always opening just under the main window, whole on its screen.
    void chooseTicker(bool shown);
    void showTicker();
    void placeTicker();

    // SessionViews
    void showNoGame() override;
    void showStartValues() override;
    void showNewGameChoices() override;
    void closeNewGameChoices() override;
    void showGame() override;
    void showNewMarket() override;
    void showLoadedGame() override;
    void showEditor() override;
    void closeEditor() override;
    void showLevelEnd(const LevelVerdict& verdict) override;
    void closeLevelEnd() override;
    void showUser(); // status panel 2: "User - " and the username

    // DayViews
    void refresh() override;
    void newsDrawn() override;
    void turnChanged() override;

    Game& game_;
    Session session_;
    std::unique_ptr<Tmain_screen> main_;
    std::unique_ptr<OtherWindows> others_;
    bool tickerWanted_ = true;
};

} // namespace quotara
