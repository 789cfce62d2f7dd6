#include "setup/tendgame.h"

#include "app/look.h"
#include "app/tmain_screen.h"
#include "app/windows.h"
#include "components/tticker.h"
#include "market/endofday.h"
#include "setup/newgamereset.h"
#include "setup/tnewgame.h"
#include "state/game.h"
#include "trading/tbuysell.h"
#include "ui_tendgame.h"

#include <QCloseEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quotara {

namespace {

// A stack of three gold bars on a night-blue band with the game's name.
QPixmap titlePicture(QSize size) {
    QPixmap pm = titleBand(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    auto bar = [&p](QPointF at) {
        const qreal w = 40, h = 14, lip = 6;
        QPainterPath path;
        path.moveTo(at.x() + lip, at.y());
        path.lineTo(at.x() + w - lip, at.y());
        path.lineTo(at.x() + w, at.y() + h);
        path.lineTo(at.x(), at.y() + h);
        path.closeSubpath();
        QLinearGradient gold(at, at + QPointF(0, h));
        gold.setColorAt(0, QColor(255, 236, 140));
        gold.setColorAt(1, QColor(196, 140, 20));
        p.setPen(QPen(QColor(120, 80, 0), 1));
        p.setBrush(gold);
        p.drawPath(path);
    };
    const qreal base = size.height() - 8;
    bar({12, base - 14});
    bar({54, base - 14});
    bar({33, base - 28});

    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(30);
    f.setBold(true);
    f.setItalic(true);
    p.setFont(f);
    p.setPen(QColor(255, 214, 64));
    p.drawText(QRect(104, 0, size.width() - 112, size.height()), Qt::AlignCenter,
               QStringLiteral("Quotara"));
    return pm;
}

} // namespace

Tendgame::Tendgame(Game& game, Windows& windows, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::Tendgame>()), game_(game), windows_(windows) {
    ui->setupUi(this);
    usePixelFonts(this);
    setFixedSize(size());
    ui->Image->setPixmap(titlePicture(ui->Image->size()));
    connect(ui->button1, &QPushButton::clicked, this, &Tendgame::button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &Tendgame::Button2Click);
}

Tendgame::~Tendgame() = default;

void Tendgame::showVerdict(const LevelVerdict& verdict) {
    // The level is over: Continue and Exit are the only ways on, so no trade dialog stays
    // up showing holdings that Continue is about to clear.
    if (windows_.buysell) windows_.buysell->hide();
    ui->endtext->setText(verdict.endtext);
    ui->goldbars->setText(verdict.goldbars);
    bringToFront(this);
}

void Tendgame::button1Click() {
    // The market goes back to its start values; money, target and gold bars stay.
    newgamereset(game_.state);
    windows_.main->resetViews();
    windows_.main->dataload();
    windows_.newgame->show();
    if (windows_.ticker) windows_.ticker->hide();
    hide();
    // The start-up sequence again: disclaimer, pages hidden, built-in share table.
    if (!windows_.main->FormCreate()) {
        windows_.newgame->hide();
        emit quitRequested();
    }
}

void Tendgame::Button2Click() {
    if (game_.messages.ask(Messages::Kind::Confirmation,
                           QStringLiteral("Are you sure you want to quit Quotara?")))
        emit quitRequested();
}

void Tendgame::closeEvent(QCloseEvent* event) {
    event->ignore();
    Button2Click();
}

} // namespace quotara
