#pragma once
// The trade dialog: opened in buy or sell mode for the share selected on the Share Lookup
// page, it copies the engine's figures and hands the typed quantity to the engine. Non-modal
// and on top, so the player can keep looking at the pages while it is open.

#include "trading/trade.h"

#include <QDialog>

#include <memory>

namespace quotara {
struct Game;
struct Windows;
} // namespace quotara

namespace Ui {
class Tbuysell;
}

namespace quotara {

class Tbuysell : public QDialog {
    Q_OBJECT

  public:
    Tbuysell(Game& game, Windows& windows, QWidget* parent = nullptr);
    ~Tbuysell() override;

    // Fills the labels for the main window's selected share and shows the dialog. The
    // quantity field keeps what was last typed.
    void open(TradeMode mode);

  public slots:
    void Button1Click(); // OK: trade the share selected at this moment
    void button2Click(); // Cancel

  protected:
    void reject() override; // Escape and closing act as Cancel

  private:
    std::unique_ptr<Ui::Tbuysell> ui;
    Game& game_;
    Windows& windows_;
    bool placed_ = false;
};

} // namespace quotara
