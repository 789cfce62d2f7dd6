#include "windows/trading/tbuysell.h"

#include "play/session.h"
#include "ui_tbuysell.h"
#include "windows/components/look.h"
#include "windows/components/readers.h"

#include <QFontInfo>
#include <QStyle>

#include <algorithm>

namespace quotara {

Tbuysell::Tbuysell(Session& session, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::Tbuysell>()), session_(session), game_(session.game()) {
    ui->setupUi(this);
    usePixelFonts(this);
    setFixedSize(size());
    setModal(false);
    questionPixels_ = QFontInfo(ui->Label4->font()).pixelSize();
    tieCaption(ui->label3, ui->owned);
    tieCaption(ui->Label2, ui->price);
    tieCaption(ui->Label1, ui->playermoney);
    tieCaption(ui->Label5, ui->afford); // its caption changes with the mode
    ui->button1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    ui->button2->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(ui->button1, &QPushButton::clicked, this, &Tbuysell::Button1Click);
    connect(ui->button2, &QPushButton::clicked, this, &Tbuysell::button2Click);
    connect(ui->noshares, &QLineEdit::textChanged, this, &Tbuysell::showProceeds);
}

Tbuysell::~Tbuysell() = default;

void Tbuysell::open(TradeMode mode, int share) {
    // A number typed for another share or the other mode means nothing here.
    if (mode != mode_ || share != share_) ui->noshares->clear();
    mode_ = mode;
    share_ = share;
    refreshFigures();
    if (!placed_) {
        centreOnScreen(this);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    ui->noshares->setFocus();
    // The last quantity stays, selected: typing replaces it without a mouse.
    ui->noshares->selectAll();
}

void Tbuysell::refreshFigures() {
    const TradeDialogFigures f = openTrade(game_.state, mode_, share_);
    ui->name->setText(f.name);
    setWindowTitle(f.caption);
    // The figures end at the dialog's edge; a long one is drawn smaller rather than cut.
    setFittedText(ui->owned, f.owned);
    setFittedText(ui->price, f.price);
    setFittedText(ui->playermoney, f.money);
    ui->Label5->setText(f.label5);
    setFittedText(ui->afford, f.afford);
    ui->button1->setText(f.button1);
    // In a two-player game it begins with the player's name.
    setFittedText(ui->Label4, question(f));
    ui->Label4->setAccessibleName(f.label4);
    showProceeds();
}

QString Tbuysell::question(const TradeDialogFigures& f) const {
    // A long name would shrink the whole question past reading: the name is cut short first,
    // at three quarters of the form's size, and the question stays whole.
    if (f.asker.isEmpty()) return f.label4;
    QFont font = ui->Label4->font();
    font.setPixelSize(std::max(1, questionPixels_ * 3 / 4));
    const QFontMetrics fm(font);
    const int room = ui->Label4->contentsRect().width();
    if (fm.horizontalAdvance(f.label4) <= room) return f.label4;
    const QString rest = f.label4.mid(f.asker.size());
    return fm.elidedText(f.asker, Qt::ElideRight, std::max(0, room - fm.horizontalAdvance(rest))) +
           rest;
}

void Tbuysell::showProceeds() {
    if (mode_ == TradeMode::Sell)
        setFittedText(ui->afford, sellProceedsText(game_.state, share_, ui->noshares->text()));
}

void Tbuysell::Button1Click() {
    // The mode is the caption.
    const TradeOutcome outcome = session_.trade(windowTitle(), share_, ui->noshares->text());
    if (outcome.completed) {
        hide();
        emit traded();
    }
    if (outcome.converted) emit quantityTaken();
}

void Tbuysell::button2Click() {
    hide();
}

void Tbuysell::reject() {
    button2Click();
}

} // namespace quotara
