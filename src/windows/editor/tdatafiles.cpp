#include "windows/editor/tdatafiles.h"

#include "ui_tdatafiles.h"
#include "windows/components/look.h"

#include <QStyle>

namespace quotara {

Tdatafiles::Tdatafiles(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      ui(std::make_unique<Ui::Tdatafiles>()) {
    ui->setupUi(this);
    usePixelFonts(this);
    setFixedSize(size());
    move(200, 128); // the form's place; the window keeps wherever the player moves it
    QStyle* st = style();
    ui->BitBtn3->setIcon(st->standardIcon(QStyle::SP_FileIcon));
    ui->BitBtn4->setIcon(st->standardIcon(QStyle::SP_FileDialogDetailedView));
    ui->BitBtn5->setIcon(st->standardIcon(QStyle::SP_FileDialogInfoView));
    ui->BitBtn1->setIcon(st->standardIcon(QStyle::SP_BrowserReload));
    ui->BitBtn2->setIcon(st->standardIcon(QStyle::SP_DialogCancelButton));
    // Escape rejects the dialog, which hides it as Cancel does.
    connect(ui->BitBtn2, &QPushButton::clicked, this, &Tdatafiles::BitBtn2Click);
}

Tdatafiles::~Tdatafiles() = default;

void Tdatafiles::showWindow() {
    show();
    raise();
    activateWindow();
}

void Tdatafiles::BitBtn2Click() {
    hide();
}

} // namespace quotara
