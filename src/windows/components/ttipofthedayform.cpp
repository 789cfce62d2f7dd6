#include "windows/components/ttipofthedayform.h"

#include "ui_ttipofthedayform.h"
#include "windows/components/look.h"
#include "windows/components/pictures.h"

namespace quotara {

namespace {

const char* kHelpContext = "helpContext";

void fill(QWidget* w, QColor colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

TTipOfTheDayForm::TTipOfTheDayForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TTipOfTheDayForm>()) {
    ui->setupUi(this);
    usePixelFonts(this);
    setFixedSize(385, 160);
    setModal(true);
    ui->Image1->setPixmap(tipPicture());
    fill(ui->Panel1, Qt::white);
    fill(ui->HeaderPanel, QColor(255, 255, 225));
    ui->NextBtn->setIcon(nextTipGlyph());
    ui->HelpBtn->setProperty(kHelpContext, 0);
    ui->TipLabel->setTextInteractionFlags(Qt::NoTextInteraction);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &TTipOfTheDayForm::HelpBtnClick);
}

TTipOfTheDayForm::~TTipOfTheDayForm() = default;

QLabel* TTipOfTheDayForm::HeaderLabel() const {
    return ui->HeaderLabel;
}
QLabel* TTipOfTheDayForm::TipLabel() const {
    return ui->TipLabel;
}
QCheckBox* TTipOfTheDayForm::ShowTipsCheck() const {
    return ui->ShowTipsCheck;
}
QPushButton* TTipOfTheDayForm::NextBtn() const {
    return ui->NextBtn;
}
QPushButton* TTipOfTheDayForm::HelpBtn() const {
    return ui->HelpBtn;
}

// The button's own topic first, then the tip's; with neither there is nothing to open.
void TTipOfTheDayForm::HelpBtnClick() {
    int context = ui->HelpBtn->property(kHelpContext).toInt();
    if (context == 0) context = helpContext;
    if (context != 0) emit helpRequested(context);
}

} // namespace quotara
