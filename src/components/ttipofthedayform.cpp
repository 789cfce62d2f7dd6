#include "components/ttipofthedayform.h"

#include "components/look.h"
#include "ui_ttipofthedayform.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace quotara {

namespace {

const char* kHelpContext = "helpContext";

void fill(QWidget* w, QColor colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

// The "Next tip" glyph: a green arrow pointing right, 16 x 16.
QIcon nextGlyph() {
    QPixmap pix(16, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(2, 6);
    arrow.lineTo(8, 6);
    arrow.lineTo(8, 2);
    arrow.lineTo(14, 8);
    arrow.lineTo(8, 14);
    arrow.lineTo(8, 10);
    arrow.lineTo(2, 10);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(0, 96, 0), 1));
    p.setBrush(QColor(0, 160, 0));
    p.drawPath(arrow);
    return QIcon(pix);
}

} // namespace

QPixmap tipPicture() {
    QPixmap pix(33, 33);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    // Rays around the glass.
    p.setPen(QPen(QColor(230, 170, 0), 1.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(16.5, 12.5);
    for (int i = 0; i < 7; ++i) {
        const QLineF ray = QLineF::fromPolar(13, 180 - i * 30).translated(centre);
        p.drawLine(QLineF(ray.pointAt(0.78), ray.p2()));
    }
    // The glass, lit from the upper left.
    QRadialGradient glow(QPointF(14, 10), 10);
    glow.setColorAt(0, QColor(255, 255, 220));
    glow.setColorAt(1, QColor(255, 210, 40));
    p.setPen(QPen(QColor(150, 110, 0), 1));
    p.setBrush(glow);
    QPainterPath glass;
    glass.addEllipse(centre, 8, 8);
    glass.addRect(QRectF(12.5, 17, 8, 6));
    p.drawPath(glass.simplified());
    // The screw base.
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(QColor(160, 160, 170));
    p.drawRoundedRect(QRectF(12.5, 23, 8, 6), 1.5, 1.5);
    p.drawLine(QPointF(12.5, 25), QPointF(20.5, 25));
    p.drawLine(QPointF(12.5, 27), QPointF(20.5, 27));
    return pix;
}

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
    ui->NextBtn->setIcon(nextGlyph());
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
