#pragma once
// The player-details window ("Player Details"). Opened by Options > Players it renames the
// single player; opened by the new-game window's "Edit names . . ." (the names role) it takes
// the two names of a two-player game. The names role's fields keep their text between
// openings.

#include <QDialog>

#include <memory>

namespace quotara {
struct Game;
} // namespace quotara

namespace Ui {
class Tplayerdetails;
}

namespace quotara {

class Tplayerdetails : public QDialog {
    Q_OBJECT

  public:
    explicit Tplayerdetails(Game& game, QWidget* parent = nullptr);
    ~Tplayerdetails() override;

    // Shows the window in a role: the names role for Edit names, the player role for Options >
    // Players, which shows the current name to change. "Player 2 Name" can be typed in only in
    // a two-player game.
    void showRole(bool namesrole);
    bool namesrole() const { return namesrole_; }

  public slots:
    void BitBtn1Click(); // OK
    void BitBtn2Click(); // Cancel

  signals:
    // OK in the names role: the texts for the new-game window's name labels.
    void namesEntered(const QString& player1, const QString& player2);
    // OK in the player role: the username has changed.
    void playerRenamed();

  protected:
    // Escape is Cancel.
    void reject() override;

  private:
    std::unique_ptr<Ui::Tplayerdetails> ui;
    Game& game_;
    bool namesrole_ = false;
};

} // namespace quotara
