#pragma once
// Windows tree, trading/: the trade dialog, the graphs, the Performance window and the trading
// pages. Their rules and figures are the engine's trading/ and play/.
//
// The trade dialog: opened in buy or sell mode for one share, it copies the engine's figures
// and hands the typed quantity to the engine. Non-modal and on top, so the player can keep
// looking at the pages while it is open; it always trades the share it was opened for.

#include "trading/trade.h"

#include <QDialog>

#include <memory>

namespace quotara {
class Session;
struct Game;
} // namespace quotara

namespace Ui {
class Tbuysell;
}

namespace quotara {

class Tbuysell : public QDialog {
    Q_OBJECT

  public:
    explicit Tbuysell(Session& session, QWidget* parent = nullptr);
    ~Tbuysell() override;

    // Fills the labels for share 0..19 and shows the dialog. The quantity field keeps what
    // was last typed for the same share and mode, and is empty for any other.
    void open(TradeMode mode, int share);
    // The figures again from the game state, as after an End Day while the dialog is open.
    void refreshFigures();
    int share() const { return share_; }

  public slots:
    void Button1Click(); // OK: trade the dialog's share
    void button2Click(); // Cancel

  signals:
    // A trade took place: the Share Lookup page shows the share again.
    void traded();
    // The quantity was a number, whether or not the trade went through: all pages refresh.
    void quantityTaken();

  protected:
    void reject() override; // Escape and closing act as Cancel

  private:
    // In sell mode "This will generate :" follows the quantity as it is typed.
    void showProceeds();
    QString question(const TradeDialogFigures& f) const; // Label4's text, fitted to its room

    std::unique_ptr<Ui::Tbuysell> ui;
    Session& session_;
    Game& game_;
    TradeMode mode_ = TradeMode::Buy;
    int share_ = 0; // 0..19
    bool placed_ = false;
    int questionPixels_ = 0; // Label4's size in the form
};

} // namespace quotara
