#pragma once
// The main window's status bar: four panels for money, date, user and prices. The window's
// clocks write to them; every other tick the user panel shows the portfolio's value instead.

#include <QString>

#include <array>

class QLabel;
class QStatusBar;

namespace quotara {

struct Game;

class StatusPanels {
  public:
    StatusPanels(QStatusBar* bar, Game& game);

    QLabel* panel(int panel) const; // 0 money, 1 date, 2 user, 3 prices; nullptr otherwise
    void showTexts();               // money, user and date
    void setUserPanel(const QString& text);
    void showMoney();
    void showDate();
    void time();                                 // Timer1: money and prices
    void pan(const QString& portfolioTotalText); // Timer2: user or portfolio value
    // Keeps the sizes the panels were laid out with once the bar is on screen, so a new text
    // repaints its panel without laying out the bar and the window again.
    void holdSizes();

  private:
    QStatusBar* bar_;
    Game& game_;
    std::array<QLabel*, 4> panels_{};
    int userpanelflag_ = 0;
    bool held_ = false;
};

} // namespace quotara
