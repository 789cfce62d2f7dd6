#pragma once
// The main window: the frame, the menus, the End Day button and the clocks; its status bar is
// StatusPanels, its Options > Zoom zoommenu. Each page is a class of its own (trading/, market/);
// the design's handler names stay here as forwards. What lies outside the window (other windows,
// help) it asks for by signal.

#include "play/endofday.h"
#include "trading/trade.h"
#include "windows/app/statuspanels.h"

#include <QMainWindow>

#include <memory>

class QLabel;
class QMenu;
class QTimer;

namespace Ui {
class Tmain_screen;
}

namespace quotara {

class PageRefresh;
class Session;
class TTipOfTheDay;
struct Game;
struct GameState;

class Tmain_screen : public QMainWindow {
    Q_OBJECT

  public:
    // End Day refreshes the windows through dayViews.
    Tmain_screen(Session& session, DayViews& dayViews, QWidget* parent = nullptr);
    ~Tmain_screen() override;

    // What the sequences show in this window (SessionViews and DayViews steps).
    void hideGame();
    void showGame(); // pages, tabs, Label1, status bar and End Day, then the window
    void selectFirstPricePage();
    void listShares();
    // The window's part of a new game's reset: the date, empty headlines, the first price page, the
    // Share Lookup page and the index figures of the Financial Info page.
    void resetViews();
    void selectLookupPage(); // without the page-change refresh
    // The Game Editor's page in place of the five game pages and End Day, or them back.
    void showEditor();
    void closeEditor();
    void refreshDay(); // End Day: pages, lookup, date panel, index changes, headlines
    // Two-player: the player whose turn it is now, on the pages and in the money panel.
    void showPlayer();
    // A loaded game: pages, money and date panels, Financial Info figures, headlines, lookup.
    void showLoaded();
    void showHeadlines();
    void showIndexChanges();
    // File > Resume Game enabled, and named by the empty window's hint, while an autosave
    // exists.
    void showResume();

    int selectedShare() const;   // the lookup list's index, share 0..19; -1 when empty
    void selectShare(int share); // 0..19, then lookupsel
    // The game page in front, by its object name ("TabSheet2"), and bringing one to the front.
    QString pageInFront() const;
    void bringPageToFront(const QString& page);
    // Options > News Ticker ticked or not.
    void showTickerChoice(bool shown);
    StatusPanels& statusPanels() { return *status_; }
    QLabel* statusPanel(int panel) const { return status_->panel(panel); } // 0 money .. 3 prices
    QMenu* popupMenu() const;
    // Opens the price-page menu over a name label (non-blocking).
    void openPopup(QLabel* over, const QPoint& globalPos);

    // The tip of the day, opened once when this window is first shown.
    TTipOfTheDay* TipOfTheDay1 = nullptr;

  signals:
    // File > Exit answered Yes, or the window closed: the program ends.
    void quitRequested();
    void newGameRequested();
    void aboutRequested();
    void helpRequested(int context);
    void tradeRequested(TradeMode mode, int share);
    void graphRequested(int share); // Graph on the Share Lookup page
    void playersRequested();        // Options > Players
    void dataFilesRequested();      // Options > Datafiles
    void performanceRequested();    // Options > Performance
    void hallOfFameRequested();     // Options > Hall of Fame
    void firstShown();              // the window is on screen for the first time
    void goldBarsForgotten();       // Options > Forget Gold Bars... answered Yes
    void zoomChosen(int percent);   // Options > Zoom: 100, 150 or 200
    void tickerChosen(bool shown);  // Options > News Ticker ticked or cleared

  public slots:
    void dataload();  // the refresh of all pages
    void lookupsel(); // the Share Lookup page for the selected share
    void portfolioclear();
    void Button6Click();
    void endofday();
    void time(); // Timer1, every second
    void pan();  // Timer2, every two seconds

    void NewGame1Click();
    void LoadGame1Click();
    void ResumeGame1Click(); // File > Resume Game
    // The game the program before this one left at a new zoom, back on the page and share the
    // player had, with no box to say so.
    void resumeWhereLeft(const QString& page, int share);
    void SaveGame1Click();
    void Exit1Click();
    void Datafiles1Click();
    void Players1Click();
    void GameEditor1Click();
    void Status1Click(); // Options > Status
    void Performance1Click();
    void HallOfFame1Click();
    void ForgetGoldBars1Click(); // Options > Forget Gold Bars...
    void Contents1Click();
    void Tipoftheday1Click(); // Help > Tip of the day
    void About1Click();

  protected:
    void closeEvent(QCloseEvent* event) override;

  public:
    void showZoom(int percent); // ticks the zoom in force in Options > Zoom

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    GameState& state();
    void connectHandlers();
    void setPagesVisible(bool visible);
    void setEditorVisible(bool visible);

    std::unique_ptr<Ui::Tmain_screen> ui;
    Session& session_;
    Game& game_;
    DayViews& dayViews_;
    std::unique_ptr<StatusPanels> status_;
    // Each page refreshed only while in front; the parts in the order of the refresh of all.
    PageRefresh* refresh_ = nullptr;
    enum Part { Portfolio, Financial, Prices, Lookup, IndexChanges, Headlines };
    QMenu* zoomMenu_ = nullptr; // Options > Zoom
    QLabel* hint_ = nullptr;    // what to do first, shown while no game runs
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    bool shown_ = false;
};

} // namespace quotara
