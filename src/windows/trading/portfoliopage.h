#pragma once
// The Portfolio page (`TabSheet6`): eight rows of held shares, scrolling past eight holdings,
// and the totals strip, with the Update button (`Button6`).

#include "trading/portfolio.h"

#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class QLabel;
class QScrollBar;

namespace Ui {
class PortfolioPage;
}

namespace quotara {

struct Game;

class PortfolioPage : public QWidget {
    Q_OBJECT

  public:
    explicit PortfolioPage(QWidget* parent = nullptr);
    ~PortfolioPage() override;

    void setGame(Game& game) { game_ = &game; }

    // The refresh of all pages: rows emptied, then rows and totals from one computation.
    void showFigures(const PortfolioFigures& f);
    QString totalText() const; // portfoliototal as shown

  public slots:
    void portfolioclear(); // every row's labels emptied
    void Button6Click();   // the rows again from the game state

  private:
    struct Row {
        QLabel *name, *owned, *cost, *value, *price, *profit;
    };
    void showRows(const PortfolioFigures& f);
    void showHeld(); // the eight rows from the scroll bar's place on
    void wheelEvent(QWheelEvent* event) override;

    std::unique_ptr<Ui::PortfolioPage> ui;
    Game* game_ = nullptr;
    std::array<Row, kPortfolioRows> rows_{};
    std::vector<PortfolioRow> held_; // every holding, as last shown
    QScrollBar* more_ = nullptr;
};

} // namespace quotara
