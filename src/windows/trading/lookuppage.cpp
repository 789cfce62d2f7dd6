#include "windows/trading/lookuppage.h"

#include "state/game.h"
#include "trading/lookup.h"
#include "ui_lookuppage.h"
#include "windows/components/figurelabel.h"
#include "windows/components/look.h"
#include "windows/components/readers.h"

#include <QSignalBlocker>

namespace quotara {

LookupPage::LookupPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::LookupPage>()) {
    ui->setupUi(this);
    pinFigureSizes(this);
    tieCaptionsByName(this);
    hideFromReaders(ui->BitBtn5);
    setIconsWhenShown(this, {{ui->lookupbuy, QStyle::SP_DialogApplyButton},
                             {ui->lookupsell, QStyle::SP_DialogCancelButton},
                             {ui->BitBtn4, QStyle::SP_FileDialogContentsView},
                             {ui->BitBtn5, QStyle::SP_FileDialogInfoView}});
    // Only the player's own choices run the handler; choices made in code do not.
    connect(ui->name, &QComboBox::activated, this, &LookupPage::lookupsel);
    connect(ui->lookupbuy, &QPushButton::clicked, this, &LookupPage::lookupbuyClick);
    connect(ui->lookupsell, &QPushButton::clicked, this, &LookupPage::lookupsellClick);
    connect(ui->BitBtn4, &QPushButton::clicked, this, &LookupPage::BitBtn4Click);
}

LookupPage::~LookupPage() = default;

void LookupPage::listShares() {
    {
        const QSignalBlocker block(ui->name);
        ui->name->clear();
        for (int i = 0; i < kShareCount; ++i)
            ui->name->addItem(game_->state.shares[i].name.toQString());
        ui->name->setCurrentIndex(0);
    }
    lookupsel();
}

int LookupPage::selectedShare() const {
    return ui->name->currentIndex();
}

void LookupPage::select(int share) {
    ui->name->setCurrentIndex(share);
}

void LookupPage::lookupsel() {
    const int i = selectedShare();
    if (i < 0 || i >= kShareCount) return;
    const LookupFigures f = lookupFigures(game_->state, i);
    ui->lookuplow->setText(f.low);
    ui->lookuphigh->setText(f.high);
    ui->Lookupprice->setText(f.price);
    setToned(ui->lookupchange, f.change, f.changeTone);
    ui->lookupowned->setText(f.owned);
    ui->lookupsell->setEnabled(f.sellEnabled);
    ui->lookupcost->setText(f.cost);
    ui->lookupvalue->setText(f.value);
    if (f.sector) setFittedText(ui->lookupsector, *f.sector);
    ui->lookupbuyprice->setText(f.buyprice);
    ui->lookupsellprice->setText(f.sellprice);
}

void LookupPage::lookupbuyClick() {
    if (selectedShare() >= 0) emit tradeRequested(TradeMode::Buy, selectedShare());
}

void LookupPage::lookupsellClick() {
    if (selectedShare() >= 0) emit tradeRequested(TradeMode::Sell, selectedShare());
}

void LookupPage::BitBtn4Click() {
    emit graphRequested(selectedShare());
}

} // namespace quotara
