#include "windows/play/tplayerdetails.h"

#include "play/players.h"
#include "play/twoplayer.h"
#include "state/game.h"
#include "ui_tplayerdetails.h"
#include "windows/components/look.h"
#include "windows/play/namefield.h"

namespace quotara {

Tplayerdetails::Tplayerdetails(Game& game, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::Tplayerdetails>()), game_(game) {
    ui->setupUi(this);
    usePixelFonts(this);
    useClassicFrame(ui->GroupBox1);
    useClassicFrame(ui->GroupBox2);
    setFixedSize(size());
    guardNameField(ui->player1name, game.messages);
    guardNameField(ui->player2name, game.messages);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &Tplayerdetails::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &Tplayerdetails::BitBtn2Click);
}

Tplayerdetails::~Tplayerdetails() = default;

void Tplayerdetails::showRole(bool namesrole) {
    namesrole_ = namesrole;
    ui->Label3->setVisible(true);
    ui->player2name->setVisible(true);
    ui->player2name->setEnabled(secondNameEnabled(game_.state, namesrole));
    // Renaming starts from the names in use, also after a load; in a two-player game both
    // players can be renamed.
    if (!namesrole && twoPlayerTurns(game_.state)) {
        ui->player1name->setText(playerName(game_.state, 1));
        ui->player2name->setText(playerName(game_.state, 2));
    } else if (!namesrole) {
        ui->player1name->setText(game_.state.username.toQString());
    }
    bringToFront(this);
    ui->player1name->setFocus();
}

void Tplayerdetails::BitBtn1Click() {
    if (namesrole_) {
        if (!namesOk(game_, ui->player1name->text(), ui->player2name->text())) return;
        emit namesEntered(ui->player1name->text(), ui->player2name->text());
    } else if (twoPlayerTurns(game_.state)) {
        if (!namesOk(game_, ui->player1name->text(), ui->player2name->text())) return;
        playersOk(game_.state, ui->player1name->text(), ui->player2name->text());
        emit playerRenamed();
    } else {
        playerOk(game_.state, ui->player1name->text());
        emit playerRenamed();
    }
    hide();
}

void Tplayerdetails::BitBtn2Click() {
    hide();
}

void Tplayerdetails::reject() {
    BitBtn2Click();
}

} // namespace quotara
