#include "app/tmain_screen.h"

#include "app/helpviewer.h"
#include "app/look.h"
#include "app/taboutbox.h"
#include "app/windows.h"
#include "components/tticker.h"
#include "editor/newsfile.h"
#include "market/calendar.h"
#include "market/figures.h"
#include "setup/startup.h"
#include "setup/tendgame.h"
#include "setup/tnewgame.h"
#include "state/game.h"
#include "state/helptopics.h"
#include "trading/lookup.h"
#include "trading/portfolio.h"
#include "trading/pricepages.h"
#include "trading/tbuysell.h"
#include "ui_tmain_screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>

namespace quotara {

namespace {

const QString kDisclaimer = QStringLiteral(
    "DISCLAIMER : Neither TARNVALE software nor does the author VENNER accepts any "
    "responsibility for any monetary loss. This program is NOT a stockmarket predictor, it is "
    "a GAME. Continue?");
const QString kQuitQuestion = QStringLiteral("Are you sure you want to quit Quotara?");

// The client area below the menu bar, status bar included.
constexpr int kClientWidth = 511, kClientHeight = 276;

void setText(QLabel* label, const QString& text, Tone tone) {
    label->setText(text);
    setTone(label, tone);
}

} // namespace

Tmain_screen::Tmain_screen(Game& game, Windows& windows, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::Tmain_screen>()), game_(game), windows_(windows) {
    ui->setupUi(this);
    usePixelFonts(this);
    useCompactTabs(ui->PageControl1);
    // The first headline ends short of the glyph button in the page's corner.
    ui->headlines1->setContentsMargins(
        0, 0, ui->headlines1->width() - (ui->BitBtn7->x() - 4 - ui->headlines1->x()), 0);
    // Captions a little wider than the room the page leaves them.
    for (QLabel* caption :
         {ui->infounemployedcap, ui->infochangelastmonth, ui->forecastunemployedcap})
        setFittedText(caption, caption->text());
    useClassicFrame(ui->Forecasts);
    setupStatusBar();
    setupGlyphs();

    for (int k = 1; k <= 20; ++k) {
        const QString n = QString::number(k);
        priceNames_[k - 1] = findChild<QLabel*>(k == 1 ? QStringLiteral("Pricesname1")
                                                       : QStringLiteral("pricesname") + n);
        priceValues_[k - 1] = findChild<QLabel*>(QStringLiteral("prices") + n);
        priceChanges_[k - 1] = findChild<QLabel*>(QStringLiteral("priceschange") + n);
    }
    rowShare_.fill(-1);
    {
        const QSignalBlocker block(ui->pricespage);
        ui->pricespage->addItems(pricePageNames());
    }

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("popup"));
    const auto addItem = [this](const char* name, const QString& text,
                                void (Tmain_screen::*slot)()) {
        QAction* a = popup_->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
    };
    addItem("Buy1", QStringLiteral("Buy"), &Tmain_screen::buyclicked);
    addItem("Sell1", QStringLiteral("Sell"), &Tmain_screen::sellclicked);
    addItem("Shareinfo1", QStringLiteral("Share info"), &Tmain_screen::infoclicked);
    addItem("Help2", QStringLiteral("Help"), &Tmain_screen::priceshelpclicked);

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
}

Tmain_screen::~Tmain_screen() = default;

GameState& Tmain_screen::state() {
    return game_.state;
}

void Tmain_screen::setupStatusBar() {
    const int widths[] = {90, 140, 130, 200};
    const char* texts[] = {"Money", "Date", "User", "Prices"};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(QLatin1String(texts[i]), ui->status);
        panel->setObjectName(QStringLiteral("statuspanel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i < 3) {
            panel->setFixedWidth(widths[i]);
            ui->status->addWidget(panel);
        } else {
            // The last panel is cut off by the window's edge, as the bar is narrower than the
            // four panels together.
            panel->setMinimumWidth(0);
            panel->setMaximumWidth(widths[i]);
            panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            ui->status->addWidget(panel, 1);
        }
        panels_[i] = panel;
    }
}

void Tmain_screen::setupGlyphs() {
    QStyle* st = style();
    ui->lookupbuy->setIcon(st->standardIcon(QStyle::SP_DialogApplyButton));
    ui->lookupsell->setIcon(st->standardIcon(QStyle::SP_DialogCancelButton));
    ui->BitBtn4->setIcon(st->standardIcon(QStyle::SP_FileDialogContentsView));
    ui->pricesleft->setIcon(st->standardIcon(QStyle::SP_ArrowLeft));
    ui->pricesright->setIcon(st->standardIcon(QStyle::SP_ArrowRight));
    ui->BitBtn5->setIcon(st->standardIcon(QStyle::SP_FileDialogInfoView));
    ui->BitBtn6->setIcon(st->standardIcon(QStyle::SP_FileDialogDetailedView));
    ui->BitBtn7->setIcon(st->standardIcon(QStyle::SP_MessageBoxInformation));
    ui->BitBtn8->setIcon(st->standardIcon(QStyle::SP_ComputerIcon));
    ui->BitBtn9->setIcon(st->standardIcon(QStyle::SP_DirHomeIcon));
}

void Tmain_screen::connectHandlers() {
    connect(ui->NewGame1, &QAction::triggered, this, &Tmain_screen::NewGame1Click);
    connect(ui->LoadGame1, &QAction::triggered, this, &Tmain_screen::LoadGame1Click);
    connect(ui->SaveGame1, &QAction::triggered, this, &Tmain_screen::SaveGame1Click);
    connect(ui->Exit1, &QAction::triggered, this, &Tmain_screen::Exit1Click);
    connect(ui->Datafiles1, &QAction::triggered, this, &Tmain_screen::Datafiles1Click);
    connect(ui->Players1, &QAction::triggered, this, &Tmain_screen::Players1Click);
    connect(ui->GameEditor1, &QAction::triggered, this, &Tmain_screen::GameEditor1Click);
    connect(ui->Contents1, &QAction::triggered, this, &Tmain_screen::Contents1Click);
    connect(ui->About1, &QAction::triggered, this, &Tmain_screen::About1Click);

    connect(ui->Button1, &QPushButton::clicked, this, &Tmain_screen::endofday);
    connect(ui->Button6, &QPushButton::clicked, this, &Tmain_screen::Button6Click);
    connect(ui->PageControl1, &QTabWidget::currentChanged, this, &Tmain_screen::dataload);
    // Entering the page control from elsewhere refreshes it too.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        const auto inside = [this](QWidget* w) {
            return w && (w == ui->PageControl1 || ui->PageControl1->isAncestorOf(w));
        };
        if (inside(now) && !inside(old)) dataload();
    });

    // Only the player's own choices run the handlers; choices made here in code do not.
    connect(ui->name, &QComboBox::activated, this, &Tmain_screen::lookupsel);
    connect(ui->lookupbuy, &QPushButton::clicked, this, &Tmain_screen::lookupbuyClick);
    connect(ui->lookupsell, &QPushButton::clicked, this, &Tmain_screen::lookupsellClick);
    connect(ui->BitBtn4, &QPushButton::clicked, this, &Tmain_screen::BitBtn4Click);

    connect(ui->pricespage, &QComboBox::activated, this, &Tmain_screen::pricespageChange);
    connect(ui->pricesleft, &QToolButton::clicked, this, &Tmain_screen::pricesleftClick);
    connect(ui->pricesright, &QToolButton::clicked, this, &Tmain_screen::pricesrightClick);
    for (QLabel* label : priceNames_)
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label](const QPoint& pos) { openPopup(label, label->mapToGlobal(pos)); });
    connect(popup_, &QMenu::aboutToShow, this, &Tmain_screen::popupcheck);

    connect(timer1_, &QTimer::timeout, this, &Tmain_screen::time);
    connect(timer2_, &QTimer::timeout, this, &Tmain_screen::pan);
}

bool Tmain_screen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->centralwidget && event->type() == QEvent::Resize) {
        // The pages fill the area above the status bar; End Day sits at the right of the tabs.
        const QRect area = ui->centralwidget->rect();
        ui->PageControl1->setGeometry(area);
        ui->Button1->move(area.width() - ui->Button1->width() - 1, 0);
        ui->Label1->move(ui->Button1->x() - ui->Label1->width() - 6, ui->Label1->y());
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------
// Start-up

bool Tmain_screen::FormCreate() {
    GameState& s = state();
    if (s.twoplayer == 1) s.player = 1;

    if (!game_.messages.ask(Messages::Kind::Information, kDisclaimer)) return false;

    // Nothing that needs a game can be seen or chosen.
    ui->status->hide();
    ui->Label1->hide();
    ui->Button1->hide();
    ui->PageControl1->hide();
    {
        const QSignalBlocker block(ui->PageControl1);
        for (QWidget* page : {ui->TabSheet6, ui->TabSheet1, ui->TabSheet2, ui->TabSheet3,
                              ui->TabSheet4, ui->TabSheet5})
            ui->PageControl1->setTabVisible(ui->PageControl1->indexOf(page), false);
    }
    ui->headlines4->clear();
    ui->headlines1->clear();
    ui->headlines2->clear();

    // A news file that cannot be read is reported, and the game goes on without news: the
    // market still gets its start values and stays playable.
    Button4Click();
    portfolioclear();
    Button6Click();

    {
        const QSignalBlocker block(ui->pricespage);
        ui->pricespage->setCurrentIndex(0);
    }
    loadStartValues(s);

    {
        const QSignalBlocker block(ui->name);
        ui->name->clear();
        for (int i = 0; i < kShareCount; ++i)
            ui->name->addItem(s.shares[i].name.toQString());
        ui->name->setCurrentIndex(0);
    }
    lookupsel();

    panels_[0]->setText(moneyPanelText(s.money));
    panels_[2]->setText(userPanelText(s));
    panels_[1]->setText(dateText(s));
    return true;
}

void Tmain_screen::Button4Click() {
    const FileError error = loadNewsFile(state(), game_.folder.newsFile());
    if (error.isError()) game_.messages.show(Messages::Kind::Error, error.text());
}

void Tmain_screen::showGame() {
    ui->PageControl1->setEnabled(true);
    ui->Button1->show();
    {
        const QSignalBlocker block(ui->PageControl1);
        for (QWidget* page :
             {ui->TabSheet6, ui->TabSheet1, ui->TabSheet2, ui->TabSheet3, ui->TabSheet4})
            ui->PageControl1->setTabVisible(ui->PageControl1->indexOf(page), true);
    }
    ui->PageControl1->show();
    ui->Label1->show();
    ui->status->show();
    show();
    if (windows_.ticker) {
        placeTicker();
        windows_.ticker->show();
    }
}

void Tmain_screen::placeTicker() {
    // The ticker's place suits a 640 x 480 screen, where it sits just under the centred main
    // window. On a larger screen it would cover the pages, so it moves under the window.
    QWidget* ticker = windows_.ticker;
    const QRect frame = frameGeometry();
    if (!ticker->frameGeometry().intersects(frame)) return;
    QRect place = ticker->frameGeometry();
    place.moveTopLeft(QPoint(geometry().left(), frame.bottom() + 6));
    if (screen() && screen()->availableGeometry().contains(place)) ticker->move(place.topLeft());
}

void Tmain_screen::setUserPanel(const QString& text) {
    panels_[2]->setText(text);
}

void Tmain_screen::resetViews() {
    showHeadlines();
    {
        const QSignalBlocker block(ui->pricespage);
        ui->pricespage->setCurrentIndex(0);
    }
    lookupsel();
    const FinancialFigures f = financialFigures(state());
    ui->infodowprice->setText(f.dow);
    ui->infoftseprice->setText(f.ftse);
    ui->infohangprice->setText(f.hang);
    showIndexChanges();
}

void Tmain_screen::selectLookupPage() {
    const QSignalBlocker block(ui->PageControl1);
    ui->PageControl1->setCurrentWidget(ui->TabSheet1);
}

int Tmain_screen::selectedShare() const {
    return ui->name->currentIndex();
}

QLabel* Tmain_screen::statusPanel(int panel) const {
    return panel >= 0 && panel < 4 ? panels_[panel] : nullptr;
}

// ---------------------------------------------------------------------------------------
// The pages

void Tmain_screen::lookupsel() {
    const int i = selectedShare();
    if (i < 0 || i >= kShareCount) return;
    const LookupFigures f = lookupFigures(state(), i);
    ui->lookuplow->setText(f.low);
    ui->lookuphigh->setText(f.high);
    ui->Lookupprice->setText(f.price);
    setText(ui->lookupchange, f.change, f.changeTone);
    ui->lookupowned->setText(f.owned);
    ui->lookupsell->setEnabled(f.sellEnabled);
    ui->lookupcost->setText(f.cost);
    ui->lookupvalue->setText(f.value);
    if (f.sector) setFittedText(ui->lookupsector, *f.sector);
    ui->lookupbuyprice->setText(f.buyprice);
    ui->lookupsellprice->setText(f.sellprice);
}

void Tmain_screen::portfolioclear() {
    for (int r = 1; r <= kPortfolioRows; ++r)
        for (const char* column : {"name", "owned", "cost", "value", "price", "profit"})
            if (auto* label = findChild<QLabel*>(QLatin1String(column) + QString::number(r)))
                label->clear();
}

void Tmain_screen::Button6Click() {
    showPortfolioRows(portfolioFigures(state()));
}

void Tmain_screen::showPortfolioRows(const PortfolioFigures& f) {
    int r = 1;
    for (const PortfolioRow& row : f.rows) {
        const QString n = QString::number(r++);
        setFittedText(findChild<QLabel*>(QStringLiteral("name") + n), row.name);
        findChild<QLabel*>(QStringLiteral("owned") + n)->setText(row.owned);
        findChild<QLabel*>(QStringLiteral("cost") + n)->setText(row.cost);
        findChild<QLabel*>(QStringLiteral("value") + n)->setText(row.value);
        findChild<QLabel*>(QStringLiteral("price") + n)->setText(row.price);
        setText(findChild<QLabel*>(QStringLiteral("profit") + n), row.profit, row.profitTone);
    }
}

void Tmain_screen::dataload() {
    // One computation serves the rows and the totals.
    const PortfolioFigures p = portfolioFigures(state());
    portfolioclear();
    showPortfolioRows(p);
    ui->portfoliocost->setText(p.cost);
    setText(ui->portfolioprofit, p.profit, p.profitTone);
    ui->portfoliototal->setText(p.total);

    const FinancialFigures f = financialFigures(state());
    ui->infodowprice->setText(f.dow);
    ui->infoftseprice->setText(f.ftse);
    ui->infohangprice->setText(f.hang);
    ui->infointerest->setText(f.interest);
    ui->infoinflation->setText(f.inflation);
    ui->infounemployed->setText(f.unemployed);

    fillPriceRows();
}

void Tmain_screen::fillPriceRows() {
    const auto rows = priceRows(state(), ui->pricespage->currentIndex());
    for (int k = 0; k < kPriceRows; ++k) {
        rowShare_[k] = rows[k].share;
        setFittedText(priceNames_[k], rows[k].name);
        setTone(priceNames_[k], rows[k].nameTone);
        priceValues_[k]->setText(rows[k].price);
        setText(priceChanges_[k], rows[k].change, rows[k].changeTone);
    }
}

void Tmain_screen::pricespageChange() {
    fillPriceRows();
}

void Tmain_screen::pricesleftClick() {
    ui->pricespage->setCurrentIndex(stepPricePage(ui->pricespage->currentIndex(), -1));
    pricespageChange();
}

void Tmain_screen::pricesrightClick() {
    ui->pricespage->setCurrentIndex(stepPricePage(ui->pricespage->currentIndex(), +1));
    pricespageChange();
}

int Tmain_screen::popupRow() const {
    for (int k = 0; k < kPriceRows; ++k)
        if (popupComponent_ == priceNames_[k]) return k;
    return -1;
}

void Tmain_screen::openPopup(QLabel* over, const QPoint& globalPos) {
    const int k = static_cast<int>(std::find(priceNames_.begin(), priceNames_.end(), over) -
                                   priceNames_.begin());
    // A row without a share has nothing to act on.
    if (k >= kPriceRows || rowShare_[k] < 0) return;
    popupComponent_ = over;
    popup_->popup(globalPos);
}

void Tmain_screen::popupcheck() {
    const int k = popupRow();
    if (k >= 0 && rowShare_[k] >= 0)
        popup_->findChild<QAction*>(QStringLiteral("Sell1"))
            ->setEnabled(sellEnabledFor(state(), rowShare_[k]));
}

bool Tmain_screen::selectPopupShare() {
    const int k = popupRow();
    if (k < 0 || rowShare_[k] < 0) return false;
    ui->name->setCurrentIndex(rowShare_[k]);
    return true;
}

void Tmain_screen::buyclicked() {
    if (selectPopupShare()) lookupbuyClick();
    lookupsel();
}

void Tmain_screen::sellclicked() {
    if (selectPopupShare()) lookupsellClick();
    lookupsel();
}

void Tmain_screen::infoclicked() {
    if (selectPopupShare()) selectLookupPage();
    lookupsel();
}

void Tmain_screen::priceshelpclicked() {
    if (windows_.help) windows_.help->showTopic(kHelpSharePrices);
}

void Tmain_screen::lookupbuyClick() {
    if (windows_.buysell) windows_.buysell->open(TradeMode::Buy);
}

void Tmain_screen::lookupsellClick() {
    if (windows_.buysell) windows_.buysell->open(TradeMode::Sell);
}

void Tmain_screen::BitBtn4Click() {
    notInThisVersion(QStringLiteral("Share graphs are"));
}

// ---------------------------------------------------------------------------------------
// End Day and the clocks

void Tmain_screen::endofday() {
    if (quotara::endofday(game_, *this) == DayResult::DayEnded) showIndexChanges();
}

void Tmain_screen::refresh() {
    dataload();
    lookupsel();
    // The new date and the day's index moves show before any message box of the close.
    panels_[1]->setText(dateText(state()));
    showIndexChanges();
    showHeadlines();
}

void Tmain_screen::newsDrawn() {
    showHeadlines();
    if (windows_.ticker) windows_.ticker->setText(state().tickerText);
}

void Tmain_screen::levelEnded(const LevelVerdict& verdict) {
    if (windows_.endgame) windows_.endgame->showVerdict(verdict);
    if (windows_.ticker) windows_.ticker->hide();
    hide();
}

void Tmain_screen::showHeadlines() {
    const GameState& s = state();
    ui->headlines1->setText(s.headlines1.caption);
    ui->headlines1no->setText(s.headlines1.numberText());
    ui->headlines2->setText(s.headlines2.caption);
    ui->headlines2no->setText(s.headlines2.numberText());
    ui->headlines3no->clear();
    ui->headlines4->setText(s.headlines4.caption);
    ui->headlines4no->setText(s.headlines4.numberText());
}

void Tmain_screen::showIndexChanges() {
    const FinancialFigures f = financialFigures(state());
    setText(ui->infodowchange, f.dowchange, f.dowTone);
    setText(ui->infohangchange, f.hangchange, f.hangTone);
    setText(ui->infoftsechange, f.ftsechange, f.ftseTone);
    ui->infounemployed->setText(f.unemployed);
    ui->infounemployedchange->setText(f.unemployedchange);
}

void Tmain_screen::time() {
    const ClockTick tick = timeTick(game_);
    panels_[0]->setText(tick.moneyPanel);
    panels_[3]->setText(tick.pricesPanel);
}

void Tmain_screen::pan() {
    userpanelflag_ = 1 - userpanelflag_;
    panels_[2]->setText(userpanelflag_ == 1
                            ? QStringLiteral("Portfolio value - ") + ui->portfoliototal->text()
                            : userPanelText(state()));
}

// ---------------------------------------------------------------------------------------
// Menus

void Tmain_screen::NewGame1Click() {
    if (!windows_.newgame) return;
    windows_.newgame->show();
    windows_.newgame->raise();
    windows_.newgame->activateWindow();
}

void Tmain_screen::notInThisVersion(const QString& what) {
    game_.messages.show(Messages::Kind::Information,
                        what + QStringLiteral(" not available in this version of Quotara."));
}

void Tmain_screen::LoadGame1Click() {
    notInThisVersion(QStringLiteral("Loading a saved game is"));
}

void Tmain_screen::SaveGame1Click() {
    notInThisVersion(QStringLiteral("Saving the game is"));
}

void Tmain_screen::Datafiles1Click() {
    notInThisVersion(QStringLiteral("The data files window is"));
}

void Tmain_screen::Players1Click() {
    notInThisVersion(QStringLiteral("Setting the player details is"));
}

void Tmain_screen::GameEditor1Click() {
    notInThisVersion(QStringLiteral("The game editor is"));
}

void Tmain_screen::Exit1Click() {
    if (game_.messages.ask(Messages::Kind::Confirmation, kQuitQuestion)) emit quitRequested();
}

void Tmain_screen::Contents1Click() {
    if (windows_.help) windows_.help->showTopic(kHelpContents);
}

void Tmain_screen::About1Click() {
    if (windows_.about) windows_.about->showBox();
}

void Tmain_screen::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the game at once, whatever other windows are open.
    event->accept();
    emit quitRequested();
}

} // namespace quotara
