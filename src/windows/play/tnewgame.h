#pragma once
// Windows tree, play/: the windows of the game's flow (new game, players, level's end). What
// they decide is the Session's (src/engine/play).
//
// The new-game window: name, mode, level and Start. The level table, the mode values and
// Start itself are the engine's; this window copies the texts it is given.

#include "play/levels.h"

#include <QWidget>

#include <memory>

namespace Ui {
class Tnewgame;
}

namespace quotara {

class Session;

class Tnewgame : public QWidget {
    Q_OBJECT

  public:
    // Applies the default level configuration, as the window does when it is created.
    explicit Tnewgame(Session& session, QWidget* parent = nullptr);
    ~Tnewgame() override;

  public slots:
    void goldbars();     // window created: gold-bar count and the default configuration
    void singleplay();   // Image4
    void freeplay();     // Image3
    void multiplayer();  // Image2
    void playuntil();    // "Play until" of the two-player mode
    void levelload();    // a row of the level list clicked or reached with the keyboard
    void cheat();        // the player name changed
    void browseClick();  // Edit names
    void Button1Click(); // Start

    // OK in the player-details window's names role: the texts of `player1name` and
    // `player2name`.
    void showNames(const QString& player1, const QString& player2);
    // The player's name as it now is (renamed, loaded): what the name box shows.
    void showPlayerName(const QString& name);
    // A loaded game brought its own mode and level: show them.
    void refreshView();

  signals:
    void editNamesRequested(); // Edit names: the player-details window
    // Closed while no other window of the game is up, and the exit question answered Yes.
    void quitRequested();

  protected:
    // The count may have grown at the end of a level since the window was last shown.
    void showEvent(QShowEvent* event) override;
    // As the only window on screen (after Continue), closing asks the exit question.
    void closeEvent(QCloseEvent* event) override;

  private:
    void showView(); // copies the engine's view into the controls

    std::unique_ptr<Ui::Tnewgame> ui;
    Session& session_;
    Game& game_;
    NewGame& ng_; // the session's: mode, level and gold-bar bookkeeping for the whole run
    bool placed_ = false;
};

} // namespace quotara
