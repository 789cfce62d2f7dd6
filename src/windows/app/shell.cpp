#include "windows/app/shell.h"

#include "market/calendar.h"
#include "windows/app/restart.h"
#include "windows/components/look.h"

#include <QScreen>

namespace quotara {

namespace {

const QString kTickerKey = QStringLiteral("Ticker/Show");

} // namespace

OtherWindows::OtherWindows(Session& session, Tgraph::SelectedShare selectedShare)
    : newgame(session), about(), buysell(session), players(session.game()), datafiles(),
      ticker(session.game()), endgame(session), help(),
      graph(session.game(), std::move(selectedShare)), performance(session), hallOfFame(session) {}

Shell::Shell(Game& game) : game_(game), session_(game, *this) {}

Shell::~Shell() = default;

Tmain_screen& Shell::main() {
    // Made when first needed: the start-up question comes before any window, so the player
    // sees it at once and No leaves no window behind.
    if (!main_) main_ = std::make_unique<Tmain_screen>(session_, static_cast<DayViews&>(*this));
    return *main_;
}

bool Shell::startUp(bool askDisclaimer) {
    // The main window's start-up runs before any other window exists.
    if (!session_.startUp(askDisclaimer)) return false;
    others_ =
        std::make_unique<OtherWindows>(session_, [m = main_.get()] { return m->selectedShare(); });
    tickerWanted_ = game_.settings.boolValue(kTickerKey, true);
    main().showTickerChoice(tickerWanted_);
    connectWindows();
    return true;
}

void Shell::connectWindows() {
    Tmain_screen* m = &main();
    OtherWindows* w = others_.get();
    connect(m, &Tmain_screen::quitRequested, this, &Shell::quitRequested);
    connect(&w->endgame, &Tendgame::quitRequested, this, &Shell::quitRequested);
    connect(&w->newgame, &Tnewgame::quitRequested, this, &Shell::quitRequested);
    connect(m, &Tmain_screen::goldBarsForgotten, &w->newgame, &Tnewgame::refreshView);
    connect(m, &Tmain_screen::tickerChosen, this, &Shell::chooseTicker);
    connect(&w->ticker, &Tticker::closedByPlayer, this, [this] { chooseTicker(false); });

    connect(m, &Tmain_screen::newGameRequested, this, [w] {
        w->newgame.show();
        w->newgame.raise();
        w->newgame.activateWindow();
    });
    connect(m, &Tmain_screen::aboutRequested, &w->about, &TAboutBox::showBox);
    connect(m, &Tmain_screen::helpRequested, &w->help, &HelpViewer::showTopic);
    connect(m, &Tmain_screen::tradeRequested, &w->buysell, &Tbuysell::open);
    connect(&w->buysell, &Tbuysell::traded, m, &Tmain_screen::lookupsel);
    connect(&w->buysell, &Tbuysell::quantityTaken, m, &Tmain_screen::dataload);
    connect(m, &Tmain_screen::dataFilesRequested, &w->datafiles, &Tdatafiles::showWindow);
    connect(m, &Tmain_screen::graphRequested, &w->graph, &Tgraph::open);
    connect(m, &Tmain_screen::performanceRequested, &w->performance,
            [w, m] { w->performance.openBeside(*m); });
    connect(&w->buysell, &Tbuysell::traded, &w->performance, &Tperformance::refreshRecord);
    connect(m, &Tmain_screen::hallOfFameRequested, &w->hallOfFame, &Thalloffame::open);

    connect(m, &Tmain_screen::playersRequested, this, [w] { w->players.showRole(false); });
    connect(&w->newgame, &Tnewgame::editNamesRequested, this, [w] { w->players.showRole(true); });
    connect(&w->players, &Tplayerdetails::namesEntered, &w->newgame, &Tnewgame::showNames);
    connect(&w->players, &Tplayerdetails::playerRenamed, this, &Shell::showUser);

    // The keyboard goes back to the main window, or to the new-game window the player
    // details were opened from.
    const auto toMain = [m] { return static_cast<QWidget*>(m); };
    for (QWidget* window :
         std::initializer_list<QWidget*>{&w->newgame, &w->about, &w->buysell, &w->datafiles,
                                         &w->help, &w->graph, &w->hallOfFame})
        returnFocusOnHide(window, toMain);
    returnFocusOnHide(&w->players, [w, m]() -> QWidget* {
        return w->newgame.isVisible() ? static_cast<QWidget*>(&w->newgame) : m;
    });
}

void Shell::chooseTicker(bool shown) {
    tickerWanted_ = shown;
    main().showTickerChoice(shown);
    const QString failure =
        game_.settings.set(kTickerKey, shown ? QStringLiteral("true") : QStringLiteral("false"));
    if (!failure.isEmpty()) game_.messages.show(Messages::Kind::Error, failure);
    showTicker();
}

void Shell::showTicker() {
    if (!others_) return;
    Tticker& ticker = others_->ticker;
    if (!tickerWanted_ || !session_.gameOn()) {
        ticker.hide();
        return;
    }
    if (ticker.isVisible()) return;
    placeTicker();
    ticker.show();
    // The frames are the window manager's: where they fall is known only once both windows
    // are framed, and a window shown again may be framed anew.
    whenPlaced(main(), [this] {
        if (others_->ticker.isVisible()) whenPlaced(others_->ticker, [this] { placeTicker(); });
    });
}

void Shell::placeTicker() {
    Tticker& ticker = others_->ticker;
    const QRect mainFrame = main().frameGeometry();
    // Before its first frame the ticker's title bar is taken to be as high as the main
    // window's.
    const bool framed = ticker.frameGeometry() != ticker.geometry();
    const QMargins margins =
        framed ? QMargins(ticker.geometry().left() - ticker.frameGeometry().left(),
                          ticker.geometry().top() - ticker.frameGeometry().top(),
                          ticker.frameGeometry().right() - ticker.geometry().right(),
                          ticker.frameGeometry().bottom() - ticker.geometry().bottom())
               : QMargins(main().geometry().left() - mainFrame.left(),
                          main().geometry().top() - mainFrame.top(),
                          mainFrame.right() - main().geometry().right(),
                          mainFrame.bottom() - main().geometry().bottom());
    QRect frame(QPoint(mainFrame.left(), mainFrame.bottom() + 1), ticker.size().grownBy(margins));
    // Where the screen has no room under the window, just over it; at worst inside the screen.
    if (const QScreen* screen = main().screen()) {
        const QRect room = screen->availableGeometry();
        if (frame.bottom() > room.bottom()) frame.moveBottom(mainFrame.top() - 1);
        if (frame.top() < room.top()) frame.moveTop(room.bottom() - frame.height() + 1);
        if (frame.right() > room.right()) frame.moveRight(room.right());
        if (frame.left() < room.left()) frame.moveLeft(room.left());
    }
    // Placed by its frame: at a zoom the frame's width is no whole number of the windows'
    // pixels, and the client's place worked out from it would stray from the main window's edge.
    if (frame.topLeft() != ticker.frameGeometry().topLeft()) ticker.move(frame.topLeft());
}

// ---------------------------------------------------------------------------------------
// SessionViews

void Shell::showNoGame() {
    main().hideGame();
}

void Shell::showStartValues() {
    main().portfolioclear();
    main().Button6Click();
    main().selectFirstPricePage();
    main().listShares();
    main().statusPanels().showTexts();
}

void Shell::showNewGameChoices() {
    if (others_) bringToFront(&others_->newgame);
}

void Shell::closeNewGameChoices() {
    if (others_) others_->newgame.hide();
}

void Shell::showGame() {
    main().showGame();
    showUser();
    if (others_) {
        // A verdict left over from an earlier level would reset this game on its Continue.
        others_->endgame.hide();
        others_->players.hide();
        showTicker();
    }
    main().raise();
    main().activateWindow(); // the keys go to the game
}

void Shell::showUser() {
    main().statusPanels().setUserPanel(userPanelText(game_.state));
    if (!others_) return;
    others_->newgame.showPlayerName(game_.state.username.toQString());
    others_->performance.refreshRecord(); // its summary and legend name the players
}

void Shell::showNewMarket() {
    main().resetViews();
    main().selectLookupPage();
    main().dataload();
    if (others_) {
        others_->ticker.setText(game_.state.tickerText);
        others_->performance.refreshRecord(); // a new game's record
    }
}

void Shell::showLoadedGame() {
    main().showLoaded();
    if (others_) {
        others_->ticker.setText(game_.state.tickerText);
        others_->newgame.refreshView();
        others_->performance.refreshRecord();
    }
}

void Shell::showEditor() {
    main().showEditor();
}

void Shell::closeEditor() {
    main().closeEditor();
}

void Shell::showLevelEnd(const LevelVerdict& verdict) {
    if (others_) {
        // The level is over: Continue and Exit are the only ways on, so nothing of the
        // finished game stays up to act on the next one.
        others_->buysell.hide();
        others_->graph.hide();
        others_->performance.hide();
        others_->players.hide();
        others_->datafiles.hide();
        others_->endgame.showVerdict(verdict);
        others_->hallOfFame.refresh();
        others_->ticker.hide();
    }
    main().hide();
}

void Shell::closeLevelEnd() {
    if (others_) {
        others_->ticker.hide();
        others_->endgame.hide();
    }
}

// ---------------------------------------------------------------------------------------
// DayViews

void Shell::refresh() {
    main().refreshDay();
    // An open trade dialog shows the new day's price, spread and what can be afforded.
    if (others_ && others_->buysell.isVisible()) others_->buysell.refreshFigures();
    if (others_) others_->performance.refreshRecord();
}

void Shell::turnChanged() {
    // The other player's cash and holdings are the game's now: everything that shows them
    // shows that player at once, not at the next refresh.
    main().showPlayer();
    showUser();
    if (others_ && others_->buysell.isVisible()) others_->buysell.refreshFigures();
    if (others_) others_->performance.refreshRecord();
}

void Shell::newsDrawn() {
    main().showHeadlines();
    if (others_) others_->ticker.setText(game_.state.tickerText);
}

} // namespace quotara
