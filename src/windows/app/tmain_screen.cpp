#include "windows/app/tmain_screen.h"

#include "market/calendar.h"
#include "market/figures.h"
#include "play/session.h"
#include "shipped/tips.h"
#include "state/game.h"
#include "state/helptopics.h"
#include "ui_tmain_screen.h"
#include "windows/app/pagekeys.h"
#include "windows/app/pagerefresh.h"
#include "windows/app/statuspanels.h"
#include "windows/app/zoommenu.h"
#include "windows/components/look.h"
#include "windows/components/ttipoftheday.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>

namespace quotara {

namespace {

// The client area below the menu bar, status bar included.
constexpr int kClientWidth = 511, kClientHeight = 276;

} // namespace

Tmain_screen::Tmain_screen(Session& session, DayViews& dayViews, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::Tmain_screen>()), session_(session), game_(session.game()),
      dayViews_(dayViews) {
    ui->setupUi(this);
    ui->TabSheet1->setGame(game_);
    ui->TabSheet2->setGame(game_);
    ui->TabSheet6->setGame(game_);
    ui->TabSheet5->setGame(game_);
    usePixelFonts(this);
    pressWithEnter(this);
    useCompactTabs(ui->PageControl1);
    addPageKeys(ui->PageControl1, [this] { return session_.gameOn(); });
    // Ctrl+E ends the day wherever the focus is in the window, while a game is played.
    auto* endDayKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    connect(endDayKey, &QShortcut::activated, this, [this] {
        if (session_.phase() == Phase::Playing) endofday();
    });
    status_ = std::make_unique<StatusPanels>(ui->status, game_);
    refresh_ = new PageRefresh(ui->PageControl1);
    refresh_->add(ui->TabSheet6, [this] { ui->TabSheet6->showFigures(portfolioFigures(state())); });
    refresh_->add(ui->TabSheet4, [this] { ui->TabSheet4->showFigures(financialFigures(state())); });
    refresh_->add(ui->TabSheet2, [this] { ui->TabSheet2->fillPriceRows(); });
    refresh_->add(ui->TabSheet1, [this] { ui->TabSheet1->lookupsel(); });
    refresh_->add(ui->TabSheet4,
                  [this] { ui->TabSheet4->showIndexChanges(financialFigures(state())); });
    refresh_->add(ui->TabSheet3, [this] { ui->TabSheet3->showHeadlines(state()); });
    zoomMenu_ = addZoomMenu(ui->Options1, [this](int percent) { emit zoomChosen(percent); });
    // What to do first, while no game runs.
    hint_ = new QLabel(ui->centralwidget);
    hint_->setObjectName(QStringLiteral("starthint"));
    hint_->setAlignment(Qt::AlignCenter);
    hint_->hide();
    showResume();

    TipOfTheDay1 = new TTipOfTheDay(this, game_.random, game_.clock, game_.messages);
    TipOfTheDay1->loadTips(shippedTipList());

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(2000);

    connectHandlers();

    // The client area is fixed; the menu bar sits above it.
    setFixedSize(kClientWidth, menuBar()->sizeHint().height() + kClientHeight);
    ui->centralwidget->installEventFilter(this);
    centreOnScreen(this);

    timer1_->start();
    timer2_->start();
    // The window is loaded: its first show brings up a tip.
    TipOfTheDay1->loaded();
}

Tmain_screen::~Tmain_screen() = default;

GameState& Tmain_screen::state() {
    return game_.state;
}

void Tmain_screen::showZoom(int percent) {
    quotara::showZoom(zoomMenu_, percent);
}

void Tmain_screen::connectHandlers() {
    connect(ui->NewGame1, &QAction::triggered, this, &Tmain_screen::NewGame1Click);
    connect(ui->LoadGame1, &QAction::triggered, this, &Tmain_screen::LoadGame1Click);
    connect(ui->ResumeGame1, &QAction::triggered, this, &Tmain_screen::ResumeGame1Click);
    connect(ui->SaveGame1, &QAction::triggered, this, &Tmain_screen::SaveGame1Click);
    connect(ui->Exit1, &QAction::triggered, this, &Tmain_screen::Exit1Click);
    connect(ui->Datafiles1, &QAction::triggered, this, &Tmain_screen::Datafiles1Click);
    connect(ui->Players1, &QAction::triggered, this, &Tmain_screen::Players1Click);
    connect(ui->GameEditor1, &QAction::triggered, this, &Tmain_screen::GameEditor1Click);
    connect(ui->Status1, &QAction::triggered, this, &Tmain_screen::Status1Click);
    connect(ui->NewsTicker1, &QAction::triggered, this, &Tmain_screen::tickerChosen);
    connect(ui->Performance1, &QAction::triggered, this, &Tmain_screen::Performance1Click);
    connect(ui->HallOfFame1, &QAction::triggered, this, &Tmain_screen::HallOfFame1Click);
    connect(ui->ForgetGoldBars1, &QAction::triggered, this, &Tmain_screen::ForgetGoldBars1Click);
    connect(ui->Contents1, &QAction::triggered, this, &Tmain_screen::Contents1Click);
    connect(ui->Tipoftheday1, &QAction::triggered, this, &Tmain_screen::Tipoftheday1Click);
    connect(ui->About1, &QAction::triggered, this, &Tmain_screen::About1Click);
    connect(TipOfTheDay1->form(), &TTipOfTheDayForm::helpRequested, this,
            &Tmain_screen::helpRequested);

    connect(ui->Button1, &QPushButton::clicked, this, &Tmain_screen::endofday);
    connect(ui->PageControl1, &QTabWidget::currentChanged, this, &Tmain_screen::dataload);
    // Entering the page control from elsewhere refreshes it too.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        const auto inside = [this](QWidget* w) {
            return w && (w == ui->PageControl1 || ui->PageControl1->isAncestorOf(w));
        };
        if (inside(now) && !inside(old)) dataload();
    });

    LookupPage* lookup = ui->TabSheet1;
    connect(lookup, &LookupPage::tradeRequested, this, &Tmain_screen::tradeRequested);
    connect(lookup, &LookupPage::graphRequested, this, &Tmain_screen::graphRequested);
    PricesPage* prices = ui->TabSheet2;
    connect(prices, &PricesPage::shareChosen, this, &Tmain_screen::selectShare);
    connect(prices, &PricesPage::tradeRequested, this, &Tmain_screen::tradeRequested);
    connect(prices, &PricesPage::lookupRequested, this, &Tmain_screen::selectLookupPage);
    connect(prices, &PricesPage::helpRequested, this, &Tmain_screen::helpRequested);
    GameEditorPage* editor = ui->TabSheet5;
    connect(editor, &GameEditorPage::helpRequested, this, &Tmain_screen::helpRequested);
    // The loaded shares show at once, not from the next refresh on.
    connect(editor, &GameEditorPage::sharesLoaded, this, [this] {
        dataload();
        lookupsel();
    });

    connect(timer1_, &QTimer::timeout, this, &Tmain_screen::time);
    connect(timer2_, &QTimer::timeout, this, &Tmain_screen::pan);
}

bool Tmain_screen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->centralwidget && event->type() == QEvent::Resize) {
        // The pages fill the area above the status bar; End Day sits at the right of the tabs.
        const QRect area = ui->centralwidget->rect();
        hint_->setGeometry(area);
        ui->PageControl1->setGeometry(area);
        ui->Button1->move(area.width() - ui->Button1->width() - 1, 0);
        ui->Label1->move(ui->Button1->x() - ui->Label1->width() - 6, ui->Label1->y());
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tmain_screen::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    status_->holdSizes();
    if (!shown_) {
        shown_ = true;
        emit firstShown();
    }
}

// ---------------------------------------------------------------------------------------
// The sequences' steps in this window

void Tmain_screen::setPagesVisible(bool visible) {
    const QSignalBlocker block(ui->PageControl1);
    for (QWidget* page : std::initializer_list<QWidget*>{
             ui->TabSheet6, ui->TabSheet1, ui->TabSheet2, ui->TabSheet3, ui->TabSheet4})
        ui->PageControl1->setTabVisible(ui->PageControl1->indexOf(page), visible);
}

void Tmain_screen::setEditorVisible(bool visible) {
    const QSignalBlocker block(ui->PageControl1);
    ui->PageControl1->setTabVisible(ui->PageControl1->indexOf(ui->TabSheet5), visible);
}

void Tmain_screen::showResume() {
    const bool resumable = session_.hasAutosave();
    ui->ResumeGame1->setEnabled(resumable);
    QString hint = QStringLiteral("To start a game, choose File > New Game.\n"
                                  "To go on with a saved game, choose File > Load Game.");
    if (resumable)
        hint += QStringLiteral("\nTo go on with the game you last played, choose File > Resume "
                               "Game.");
    hint_->setText(hint);
}

void Tmain_screen::hideGame() {
    // Nothing that needs a game can be seen or chosen.
    showResume();
    hint_->show();
    ui->status->hide();
    ui->Label1->hide();
    ui->Button1->hide();
    ui->PageControl1->hide();
    setPagesVisible(false);
    setEditorVisible(false);
    refresh_->settle(ui->TabSheet3);
    ui->TabSheet3->clearCaptions();
}

void Tmain_screen::showGame() {
    hint_->hide();
    ui->PageControl1->setEnabled(true);
    ui->Button1->show();
    setPagesVisible(true);
    // A game started while editing starts with the editor switched off.
    setEditorVisible(false);
    ui->PageControl1->show();
    ui->Label1->show();
    ui->status->show();
    show();
    status_->holdSizes();
}

void Tmain_screen::selectFirstPricePage() {
    ui->TabSheet2->selectFirstPage();
}

void Tmain_screen::listShares() {
    ui->TabSheet1->listShares();
}

void Tmain_screen::resetViews() {
    // The reset puts the calendar back to its first day; the date shown goes with it.
    status_->panel(1)->setText(dateText(state()));
    showHeadlines();
    ui->TabSheet2->selectFirstPage();
    lookupsel();
    ui->TabSheet4->showIndexValues(financialFigures(state()));
    showIndexChanges();
}

void Tmain_screen::selectLookupPage() {
    const QSignalBlocker block(ui->PageControl1);
    ui->PageControl1->setCurrentWidget(ui->TabSheet1);
    refresh_->settle(ui->TabSheet1);
}

void Tmain_screen::showEditor() {
    setPagesVisible(false);
    setEditorVisible(true);
    {
        const QSignalBlocker block(ui->PageControl1);
        ui->PageControl1->setCurrentWidget(ui->TabSheet5);
    }
    ui->Button1->hide();
    ui->TabSheet5->loadeditor();
}

void Tmain_screen::closeEditor() {
    ui->Button1->show();
    setPagesVisible(true);
    setEditorVisible(false);
    selectLookupPage();
}

void Tmain_screen::refreshDay() {
    dataload();
    lookupsel();
    // The new date and the day's index moves show before any message box of the close.
    status_->showDate();
    showIndexChanges();
    showHeadlines();
}

void Tmain_screen::showPlayer() {
    dataload();
    lookupsel();
    status_->showMoney();
}

void Tmain_screen::showLoaded() {
    dataload();
    status_->showMoney();
    status_->showDate();
    ui->TabSheet4->showIndexValues(financialFigures(state()));
    showIndexChanges();
    showHeadlines();
    lookupsel();
}

void Tmain_screen::showHeadlines() {
    refresh_->request(Headlines);
}

void Tmain_screen::showIndexChanges() {
    refresh_->request(IndexChanges);
}

int Tmain_screen::selectedShare() const {
    return ui->TabSheet1->selectedShare();
}

void Tmain_screen::selectShare(int share) {
    ui->TabSheet1->select(share);
    lookupsel();
}

QString Tmain_screen::pageInFront() const {
    return ui->PageControl1->currentWidget()->objectName();
}

void Tmain_screen::bringPageToFront(const QString& page) {
    for (QWidget* p : std::initializer_list<QWidget*>{ui->TabSheet6, ui->TabSheet1, ui->TabSheet2,
                                                      ui->TabSheet3, ui->TabSheet4})
        if (p->objectName() == page) ui->PageControl1->setCurrentWidget(p);
}

void Tmain_screen::showTickerChoice(bool shown) {
    ui->NewsTicker1->setChecked(shown);
}

QMenu* Tmain_screen::popupMenu() const {
    return ui->TabSheet2->popupMenu();
}

void Tmain_screen::openPopup(QLabel* over, const QPoint& globalPos) {
    refresh_->settle(ui->TabSheet2); // the rows' shares
    ui->TabSheet2->openPopup(over, globalPos);
}

// ---------------------------------------------------------------------------------------
// The pages' handlers

void Tmain_screen::dataload() {
    for (Part part : {Portfolio, Financial, Prices})
        refresh_->request(part);
}

void Tmain_screen::lookupsel() {
    refresh_->request(Lookup);
}

void Tmain_screen::portfolioclear() {
    refresh_->settle(ui->TabSheet6); // what was asked for before comes first
    ui->TabSheet6->portfolioclear();
}

void Tmain_screen::Button6Click() {
    refresh_->settle(ui->TabSheet6);
    ui->TabSheet6->Button6Click();
}

// ---------------------------------------------------------------------------------------
// End Day and the clocks

void Tmain_screen::endofday() {
    if (session_.endDay(dayViews_) == DayResult::DayEnded) showIndexChanges();
    showResume();
}

void Tmain_screen::time() {
    status_->time();
}

void Tmain_screen::pan() {
    refresh_->settle(ui->TabSheet6);
    status_->pan(ui->TabSheet6->totalText());
}

} // namespace quotara
