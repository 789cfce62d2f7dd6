#include "windows/app/taboutbox.h"

#include "ui_taboutbox.h"
#include "windows/app/appidentity.h"
#include "windows/components/look.h"

namespace quotara {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TAboutBox>()) {
    ui->setupUi(this);
    usePixelFonts(this);
    setFixedSize(size());
    ui->ProgramIcon->setPixmap(applicationIcon().pixmap(48));
    connect(ui->OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::showBox() {
    bringToFront(this);
}

void TAboutBox::OKButtonClick() {
    hide();
}

} // namespace quotara
