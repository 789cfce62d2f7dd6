#include "windows/trading/pricespage.h"

#include "state/game.h"
#include "state/helptopics.h"
#include "ui_pricespage.h"
#include "windows/components/figurelabel.h"
#include "windows/components/look.h"
#include "windows/components/readers.h"

#include <QFocusFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>

#include <algorithm>

namespace quotara {

namespace {

// A held share's name is blue, and underlined too for a player who cannot tell blue from
// black; a reader hears it.
void showHeld(QLabel* name, bool held) {
    if (name->font().underline() != held) {
        QFont f = name->font();
        f.setUnderline(held);
        name->setFont(f);
    }
    const QString description =
        held ? QStringLiteral("You hold shares in this company") : QString();
    // A new description is announced to a reader even when it is the same.
    if (name->accessibleDescription() != description) name->setAccessibleDescription(description);
}

} // namespace

PricesPage::PricesPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::PricesPage>()) {
    ui->setupUi(this);
    pinFigureSizes(this);
    setIconsWhenShown(this, {{ui->pricesleft, QStyle::SP_ArrowLeft},
                             {ui->pricesright, QStyle::SP_ArrowRight},
                             {ui->BitBtn6, QStyle::SP_FileDialogDetailedView}});
    for (int k = 1; k <= kPriceRows; ++k) {
        const QString n = QString::number(k);
        names_[k - 1] = findChild<QLabel*>(k == 1 ? QStringLiteral("Pricesname1")
                                                  : QStringLiteral("pricesname") + n);
        values_[k - 1] = findChild<QLabel*>(QStringLiteral("prices") + n);
        changes_[k - 1] = findChild<QLabel*>(QStringLiteral("priceschange") + n);
    }
    rowShare_.fill(-1);
    focusFrame_ = new QFocusFrame(this);
    for (int k = 0; k < kPriceRows; ++k) {
        names_[k]->installEventFilter(this);
        tieCaption(names_[k], values_[k]); // "Abbey National: 1134"
        tieCaption(QStringLiteral("Change"), changes_[k]);
    }
    hideFromReaders(ui->BitBtn6);
    // Over the rows of a page that lists no company (a sector with none in the table).
    empty_ = new QLabel(QStringLiteral("No companies are listed on this page."), this);
    empty_->setObjectName(QStringLiteral("pricesempty"));
    empty_->setAlignment(Qt::AlignCenter);
    QRect rows;
    for (int k = 0; k < kPriceRows; ++k)
        rows |= names_[k]->geometry() | changes_[k]->geometry();
    empty_->setGeometry(rows);
    empty_->hide();
    {
        const QSignalBlocker block(ui->pricespage);
        ui->pricespage->addItems(pricePageNames());
    }

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("popup"));
    const auto addItem = [this](const char* name, const QString& text, void (PricesPage::*slot)()) {
        QAction* a = popup_->addAction(text);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
    };
    addItem("Buy1", QStringLiteral("Buy"), &PricesPage::buyclicked);
    addItem("Sell1", QStringLiteral("Sell"), &PricesPage::sellclicked);
    addItem("Shareinfo1", QStringLiteral("Share info"), &PricesPage::infoclicked);
    addItem("Help2", QStringLiteral("Help"), &PricesPage::priceshelpclicked);

    connect(ui->pricespage, &QComboBox::activated, this, &PricesPage::pricespageChange);
    connect(ui->pricesleft, &QToolButton::clicked, this, &PricesPage::pricesleftClick);
    connect(ui->pricesright, &QToolButton::clicked, this, &PricesPage::pricesrightClick);
    for (QLabel* label : names_)
        connect(label, &QWidget::customContextMenuRequested, this,
                [this, label](const QPoint& pos) { openPopup(label, label->mapToGlobal(pos)); });
    connect(popup_, &QMenu::aboutToShow, this, &PricesPage::popupcheck);
}

PricesPage::~PricesPage() = default;

void PricesPage::selectFirstPage() {
    const QSignalBlocker block(ui->pricespage);
    ui->pricespage->setCurrentIndex(0);
}

void PricesPage::fillPriceRows() {
    const auto rows = priceRows(game_->state, ui->pricespage->currentIndex());
    for (int k = 0; k < kPriceRows; ++k) {
        rowShare_[k] = rows[k].share;
        setFittedText(names_[k], rows[k].name);
        setTone(names_[k], rows[k].nameTone);
        showHeld(names_[k], rows[k].held);
        // Only a row with a share has a menu to open.
        names_[k]->setFocusPolicy(rows[k].share >= 0 ? Qt::TabFocus : Qt::NoFocus);
        values_[k]->setText(rows[k].price);
        setToned(changes_[k], rows[k].change, rows[k].changeTone);
    }
    empty_->setVisible(rows[0].share < 0);
}

bool PricesPage::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        focusFrame_->setWidget(label);
        break;
    case QEvent::FocusOut:
        focusFrame_->setWidget(nullptr);
        break;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool menuKey = key->key() == Qt::Key_Menu ||
                             (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
        const bool press = key->modifiers() == Qt::NoModifier &&
                           (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                            key->key() == Qt::Key_Space);
        if (!menuKey && !press) break;
        openPopup(label, label->mapToGlobal(QPoint(0, label->height())));
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void PricesPage::pricespageChange() {
    fillPriceRows();
}

void PricesPage::pricesleftClick() {
    ui->pricespage->setCurrentIndex(stepPricePage(ui->pricespage->currentIndex(), -1));
    pricespageChange();
}

void PricesPage::pricesrightClick() {
    ui->pricespage->setCurrentIndex(stepPricePage(ui->pricespage->currentIndex(), +1));
    pricespageChange();
}

int PricesPage::popupShare() const {
    for (int k = 0; k < kPriceRows; ++k)
        if (popupComponent_ == names_[k]) return rowShare_[k];
    return -1;
}

void PricesPage::openPopup(QLabel* over, const QPoint& globalPos) {
    const auto k = std::find(names_.begin(), names_.end(), over) - names_.begin();
    // A row without a share has nothing to act on.
    if (k >= kPriceRows || rowShare_[k] < 0) return;
    popupComponent_ = over;
    popup_->popup(globalPos);
}

void PricesPage::popupcheck() {
    const int share = popupShare();
    if (share >= 0)
        popup_->findChild<QAction*>(QStringLiteral("Sell1"))
            ->setEnabled(sellEnabledFor(game_->state, share));
}

void PricesPage::buyclicked() {
    const int share = popupShare();
    if (share < 0) return;
    emit shareChosen(share);
    emit tradeRequested(TradeMode::Buy, share);
}

void PricesPage::sellclicked() {
    const int share = popupShare();
    if (share < 0) return;
    emit shareChosen(share);
    emit tradeRequested(TradeMode::Sell, share);
}

void PricesPage::infoclicked() {
    const int share = popupShare();
    if (share < 0) return;
    emit lookupRequested();
    emit shareChosen(share);
}

void PricesPage::priceshelpclicked() {
    emit helpRequested(kHelpSharePrices);
}

} // namespace quotara
