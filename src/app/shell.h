#pragma once
// The game's windows, created once in the game's order and afterwards only shown and hidden.
// The shell owns them, wires each one's requests to the window that answers them, and shows
// the steps of the game's sequences (SessionViews) and of End Day (DayViews) in them. No
// window knows another: a new window is created in OtherWindows and connected in
// Shell::connectWindows.

#include "app/helpviewer.h"
#include "app/taboutbox.h"
#include "app/tmain_screen.h"
#include "components/tticker.h"
#include "editor/tdatafiles.h"
#include "market/endofday.h"
#include "setup/session.h"
#include "setup/tendgame.h"
#include "setup/tnewgame.h"
#include "setup/tplayerdetails.h"
#include "trading/tbuysell.h"
#include "trading/tgraph.h"

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
};

class Shell : public QObject, private SessionViews, private DayViews {
    Q_OBJECT

  public:
    // No window exists until start-up needs one.
    explicit Shell(Game& game);
    ~Shell() override;

    // The main window's start-up, then the other windows. False, and no other window, after
    // No to the disclaimer.
    bool startUp();

    Session& session() { return session_; }
    Tmain_screen& main();                            // made on first use
    OtherWindows* others() { return others_.get(); } // null before start-up

  signals:
    // File > Exit or an end-of-level Exit answered Yes, the main window closed, or No to the
    // disclaimer after Continue: the program ends.
    void quitRequested();

  private:
    void connectWindows();
    void placeTicker();

    // SessionViews
    void hideGame() override;
    void clearPortfolio() override;
    void selectFirstPricePage() override;
    void listShares() override;
    void showStatusTexts() override;
    void closeNewGame() override;
    void openNewGame() override;
    void showGame() override;
    void showUser() override;
    void resetViews() override;
    void selectLookupPage() override;
    void refreshPages() override;
    void hideTicker() override;
    void closeEndOfLevel() override;
    void showLoaded() override;
    void closePlayerDetails() override;

    // DayViews
    void refresh() override;
    void newsDrawn() override;
    void levelEnded(const LevelVerdict& verdict) override;

    Game& game_;
    Session session_;
    std::unique_ptr<Tmain_screen> main_;
    std::unique_ptr<OtherWindows> others_;
};

} // namespace quotara
