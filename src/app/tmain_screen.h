#pragma once
// The main window: menus, the game's pages, the End Day button and the status bar. Its
// handlers call the engine and copy the texts and colours it computes into the labels.

#include "market/endofday.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QLabel;
class QMenu;
class QAction;
class QTimer;

namespace Ui {
class Tmain_screen;
}

namespace quotara {

struct Game;
struct GameState;
struct PortfolioFigures;
struct Windows;

class Tmain_screen : public QMainWindow, private DayViews {
    Q_OBJECT

  public:
    Tmain_screen(Game& game, Windows& windows, QWidget* parent = nullptr);
    ~Tmain_screen() override;

    Game& game() { return game_; }

    // Start-up: the disclaimer, everything that needs a game hidden, the news table, the
    // start values and the share list. False when the disclaimer was answered No.
    bool FormCreate();

    // Start: the pages, tabs, Label1, status bar and End Day shown; the ticker and this window.
    void showGame();
    void setUserPanel(const QString& text); // status panel 2
    // The window's part of a new game's reset: empty headlines, the first price page, the
    // Share Lookup page and the index figures of the Financial Info page.
    void resetViews();
    void selectLookupPage(); // without the page-change refresh

    int selectedShare() const; // the `name` list's index = share index 0..19, -1 when empty
    QLabel* statusPanel(int panel) const; // 0 money, 1 date, 2 user, 3 prices
    // The name label the price-page menu was last opened over.
    QWidget* popupComponent() const { return popupComponent_; }
    QMenu* popupMenu() const { return popup_; }

  signals:
    // File > Exit answered Yes, or the window closed: the program ends.
    void quitRequested();

  public slots:
    void dataload();  // the refresh of all pages
    void lookupsel(); // the Share Lookup page for the selected share
    void portfolioclear();
    void Button6Click();
    void endofday();
    void time(); // Timer1, every second
    void pan();  // Timer2, every two seconds

    void lookupbuyClick();
    void lookupsellClick();
    void BitBtn4Click(); // Graph

    void pricespageChange(); // the page selector, and the arrows after they moved it
    void pricesleftClick();
    void pricesrightClick();
    // Opens the right-click menu over a price-page name label (non-blocking).
    void openPopup(QLabel* over, const QPoint& globalPos);
    void popupcheck();
    void buyclicked();
    void sellclicked();
    void infoclicked();
    void priceshelpclicked();

    void NewGame1Click();
    void LoadGame1Click();
    void SaveGame1Click();
    void Exit1Click();
    void Datafiles1Click();
    void Players1Click();
    void GameEditor1Click();
    void Contents1Click();
    void About1Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // End Day's calls into the window.
    void refresh() override;
    void newsDrawn() override;
    void levelEnded(const LevelVerdict& verdict) override;

    GameState& state();
    void Button4Click(); // load the news table
    void placeTicker();
    void showHeadlines();
    void showIndexChanges();
    void fillPriceRows();
    void showPortfolioRows(const PortfolioFigures& f);
    int popupRow() const; // 0..19 for the label the menu was opened over, -1 otherwise
    // Selects the share of the menu's row on the Share Lookup page; false for an empty row.
    bool selectPopupShare();
    void notInThisVersion(const QString& what);
    void setupStatusBar();
    void setupGlyphs();
    void connectHandlers();

    std::unique_ptr<Ui::Tmain_screen> ui;
    Game& game_;
    Windows& windows_;
    std::array<QLabel*, 4> panels_{};
    std::array<QLabel*, 20> priceNames_{}, priceValues_{}, priceChanges_{};
    std::array<int, 20> rowShare_{}; // share shown by each price row, -1 for none
    QMenu* popup_ = nullptr;
    QWidget* popupComponent_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    int userpanelflag_ = 0;
};

} // namespace quotara
