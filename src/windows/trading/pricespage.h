#pragma once
// The Share Prices page (`TabSheet2`): seventeen pages of twenty rows, the page selector with
// its arrows, and the right-click menu (`popup`) over a row's name.

#include "trading/pricepages.h"
#include "trading/trade.h"

#include <QWidget>

#include <array>
#include <memory>

class QFocusFrame;
class QLabel;
class QMenu;

namespace Ui {
class PricesPage;
}

namespace quotara {

struct Game;

class PricesPage : public QWidget {
    Q_OBJECT

  public:
    explicit PricesPage(QWidget* parent = nullptr);
    ~PricesPage() override;

    void setGame(Game& game) { game_ = &game; }

    void selectFirstPage(); // without the refresh
    void fillPriceRows();   // the rows of the selected page

    // Opens the right-click menu over a name label (non-blocking); a row without a share
    // opens nothing.
    void openPopup(QLabel* over, const QPoint& globalPos);
    QMenu* popupMenu() const { return popup_; }
    // The name label the menu was last opened over.
    QWidget* popupComponent() const { return popupComponent_; }

  public slots:
    void pricespageChange(); // the page selector, and the arrows after they moved it
    void pricesleftClick();
    void pricesrightClick();
    void popupcheck();
    void buyclicked();
    void sellclicked();
    void infoclicked();
    void priceshelpclicked();

  signals:
    // The menu's share becomes the selected share (the Share Lookup page shows it).
    void shareChosen(int share);
    void tradeRequested(TradeMode mode, int share);
    void lookupRequested(); // Share info: the Share Lookup page in front
    void helpRequested(int context);

  protected:
    // The keyboard's way to the menu: a name takes Tab, and the menu key, Shift+F10, Enter or
    // Space open the menu over it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int popupShare() const; // 0..19 for the row the menu was opened over, -1 otherwise

    std::unique_ptr<Ui::PricesPage> ui;
    Game* game_ = nullptr;
    std::array<QLabel*, kPriceRows> names_{}, values_{}, changes_{};
    std::array<int, kPriceRows> rowShare_{}; // share shown by each row, -1 for none
    QLabel* empty_ = nullptr;                // "No companies are listed on this page."
    QMenu* popup_ = nullptr;
    QWidget* popupComponent_ = nullptr;
    QFocusFrame* focusFrame_ = nullptr; // round the focused name: a label draws no focus
};

} // namespace quotara
