#include "components/tticker.h"

#include "app/look.h"
#include "components/scroller.h"
#include "ui_tticker.h"

namespace quotara {

Tticker::Tticker(Game&, Windows&, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui(std::make_unique<Ui::Tticker>()) {
    ui->setupUi(this);
    usePixelFonts(this);
    setFixedSize(511, 31);
    move(64, 406);
    ui->Banner1->setTextColor(Qt::blue);
    ui->Banner1->setScrollInterval(50);
    ui->Banner1->setScrollText(QStringLiteral(" "));
}

Tticker::~Tticker() = default;

void Tticker::setText(const QString& text) {
    ui->Banner1->setScrollText(text);
}

QString Tticker::text() const {
    return ui->Banner1->scrollText();
}

TextScroller* Tticker::banner() const {
    return ui->Banner1;
}

} // namespace quotara
