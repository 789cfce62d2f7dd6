#include "trading/tbuysell.h"

#include "app/look.h"
#include "app/tmain_screen.h"
#include "app/windows.h"
#include "state/game.h"
#include "ui_tbuysell.h"

#include <QStyle>

namespace quotara {

Tbuysell::Tbuysell(Game& game, Windows& windows, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::Tbuysell>()), game_(game), windows_(windows) {
    ui->setupUi(this);
    usePixelFonts(this);
    setFixedSize(size());
    setModal(false);
    ui->button1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    ui->button2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(ui->button1, &QPushButton::clicked, this, &Tbuysell::Button1Click);
    connect(ui->button2, &QPushButton::clicked, this, &Tbuysell::button2Click);
}

Tbuysell::~Tbuysell() = default;

void Tbuysell::open(TradeMode mode) {
    const TradeDialogFigures f = openTrade(game_.state, mode, windows_.main->selectedShare());
    ui->name->setText(f.name);
    setWindowTitle(f.caption);
    // The figures end at the dialog's edge; a long one is drawn smaller rather than cut.
    setFittedText(ui->owned, f.owned);
    setFittedText(ui->price, f.price);
    setFittedText(ui->playermoney, f.money);
    ui->Label5->setText(f.label5);
    setFittedText(ui->afford, f.afford);
    ui->button1->setText(f.button1);
    ui->Label4->setText(f.label4);
    if (!placed_) {
        centreOnScreen(this);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    ui->noshares->setFocus();
}

void Tbuysell::Button1Click() {
    // The mode is the caption; the share is whatever the lookup list shows now.
    const TradeOutcome outcome =
        tradeOk(game_, windowTitle(), windows_.main->selectedShare(), ui->noshares->text());
    if (outcome.completed) {
        hide();
        windows_.main->lookupsel();
    }
    if (outcome.converted) windows_.main->dataload();
}

void Tbuysell::button2Click() {
    hide();
}

void Tbuysell::reject() {
    button2Click();
}

} // namespace quotara
