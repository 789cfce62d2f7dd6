#pragma once
// The Share Lookup page (`TabSheet1`): the share list and the figures of the selected share,
// with Buy, Sell and Graph. Its list's selection is the game's selected share.

#include "trading/trade.h"

#include <QWidget>

#include <memory>

namespace Ui {
class LookupPage;
}

namespace quotara {

struct Game;

class LookupPage : public QWidget {
    Q_OBJECT

  public:
    explicit LookupPage(QWidget* parent = nullptr);
    ~LookupPage() override;

    // The game whose figures the page shows; set once, before anything is shown.
    void setGame(Game& game) { game_ = &game; }

    // The list holds the names of shares 0..19 in order, entry 0 selected, then lookupsel.
    void listShares();
    int selectedShare() const; // the list's index = share index 0..19, -1 when empty
    void select(int share);    // 0..19, without lookupsel

  public slots:
    void lookupsel(); // the figures of the selected share
    void lookupbuyClick();
    void lookupsellClick();
    void BitBtn4Click(); // Graph

  signals:
    void tradeRequested(TradeMode mode, int share);
    void graphRequested(int share);

  private:
    std::unique_ptr<Ui::LookupPage> ui;
    Game* game_ = nullptr;
};

} // namespace quotara
