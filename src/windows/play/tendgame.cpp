#include "windows/play/tendgame.h"

#include "play/endofday.h"
#include "play/session.h"
#include "ui_tendgame.h"
#include "windows/components/look.h"
#include "windows/components/pictures.h"
#include "windows/components/readers.h"

#include <QCloseEvent>

namespace quotara {

Tendgame::Tendgame(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::Tendgame>()), session_(session) {
    ui->setupUi(this);
    usePixelFonts(this);
    pressWithEnter(this);
    setFixedSize(size());
    ui->Image->setPixmap(endOfLevelTitle(ui->Image->size()));
    tieCaption(ui->Label2, ui->goldbars);
    connect(ui->button1, &QPushButton::clicked, this, &Tendgame::button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &Tendgame::Button2Click);
}

Tendgame::~Tendgame() = default;

void Tendgame::showVerdict(const LevelVerdict& verdict) {
    ui->endtext->setText(verdict.endtext);
    ui->best->setText(verdict.best);
    ui->best->setVisible(!verdict.best.isEmpty());
    ui->goldbars->setText(verdict.goldbars);
    // A two-player game wins no gold bar.
    ui->Label2->setVisible(!verdict.twoPlayer);
    ui->goldbars->setVisible(!verdict.twoPlayer);
    bringToFront(this);
}

void Tendgame::button1Click() {
    if (!session_.continueAfterLevel()) emit quitRequested();
}

void Tendgame::Button2Click() {
    if (session_.askToQuit()) emit quitRequested();
}

void Tendgame::closeEvent(QCloseEvent* event) {
    const Closing closing = session_.closeLevelEnd();
    // Only the program's end takes the verdict away: Continue is the way on.
    event->setAccepted(closing != Closing::Stay);
    if (closing == Closing::Quit) emit quitRequested();
}

} // namespace quotara
