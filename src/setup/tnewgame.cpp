#include "setup/tnewgame.h"

#include "app/look.h"
#include "app/tmain_screen.h"
#include "app/windows.h"
#include "market/calendar.h"
#include "setup/levels.h"
#include "setup/newgamereset.h"
#include "state/game.h"
#include "ui_tnewgame.h"

#include <QPainter>
#include <QPainterPath>

namespace quotara {

namespace {

// Our own pictures for the title and the three mode buttons; drawn, so nothing is shipped.

QFont serif(int px, bool bold = false) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

QPixmap titlePicture(QSize size) {
    QPixmap pm = titleBand(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 64, 140), 1));
    for (int x = 8; x < size.width(); x += 24)
        p.drawLine(x, 4, x, size.height() - 4);
    // A price line that ends higher than it starts.
    const int n = 12;
    const int ys[n] = {44, 40, 46, 36, 38, 30, 34, 24, 28, 18, 22, 10};
    QPolygonF line;
    for (int i = 0; i < n; ++i)
        line << QPointF(8 + i * (size.width() - 16) / (n - 1.0), ys[i]);
    p.setPen(QPen(QColor(64, 220, 96), 2));
    p.drawPolyline(line);
    p.setFont(serif(36, true));
    p.setPen(QColor(4, 8, 40));
    p.drawText(pm.rect().translated(2, 2), Qt::AlignCenter, QStringLiteral("Quotara"));
    p.setPen(QColor(255, 214, 64));
    p.drawText(pm.rect(), Qt::AlignCenter, QStringLiteral("Quotara"));
    return pm;
}

void person(QPainter& p, QPointF head, QColor colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(head, 5, 5);
    QPainterPath body;
    body.moveTo(head.x() - 9, head.y() + 22);
    body.cubicTo(head.x() - 9, head.y() + 6, head.x() + 9, head.y() + 6, head.x() + 9,
                 head.y() + 22);
    body.closeSubpath();
    p.drawPath(body);
}

QIcon modePicture(int mode, QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blue(32, 64, 160), red(176, 32, 32);
    switch (mode) {
    case 1: { // one player climbing the levels
        person(p, {12, 8}, blue);
        p.setPen(QPen(QColor(196, 140, 20), 3));
        p.setBrush(Qt::NoBrush);
        QPolygonF steps;
        steps << QPointF(26, 34) << QPointF(34, 34) << QPointF(34, 26) << QPointF(42, 26)
              << QPointF(42, 18) << QPointF(50, 18) << QPointF(50, 10);
        p.drawPolyline(steps);
        break;
    }
    case 2: { // an open-ended chart
        p.setPen(QPen(Qt::gray, 1));
        p.drawLine(4, 34, 52, 34);
        p.drawLine(4, 34, 4, 2);
        p.setPen(QPen(QColor(0, 140, 48), 2));
        p.drawPolyline(QPolygonF{{QPointF(6, 28), QPointF(16, 22), QPointF(24, 26), QPointF(34, 14),
                                  QPointF(42, 18), QPointF(52, 6)}});
        break;
    }
    default: // two players
        person(p, {18, 8}, blue);
        person(p, {38, 8}, red);
        break;
    }
    return QIcon(pm);
}

} // namespace

Tnewgame::Tnewgame(Game& game, Windows& windows, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::Tnewgame>()), game_(game), windows_(windows) {
    ui->setupUi(this);
    usePixelFonts(this);
    ui->Image1->setPixmap(titlePicture(ui->Image1->size()));
    ui->Image4->setIcon(modePicture(1, ui->Image4->iconSize()));
    ui->Image3->setIcon(modePicture(2, ui->Image3->iconSize()));
    ui->Image2->setIcon(modePicture(3, ui->Image2->iconSize()));
    ui->levels->addItems(levelEntries());

    connect(ui->Image4, &QToolButton::clicked, this, &Tnewgame::singleplay);
    // The picture's hint speaks of the right mouse button; let that choose it too.
    ui->Image4->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->Image4, &QWidget::customContextMenuRequested, this, &Tnewgame::singleplay);
    connect(ui->Image3, &QToolButton::clicked, this, &Tnewgame::freeplay);
    connect(ui->Image2, &QToolButton::clicked, this, &Tnewgame::multiplayer);
    connect(ui->levels, &QListWidget::itemClicked, this, &Tnewgame::levelload);
    connect(ui->playername, &QLineEdit::textChanged, this, &Tnewgame::cheat);
    connect(ui->browse, &QPushButton::clicked, this, &Tnewgame::browseClick);
    connect(ui->Button1, &QPushButton::clicked, this, &Tnewgame::Button1Click);

    goldbars();
    showView(); // the single-play look of a new window
}

Tnewgame::~Tnewgame() = default;

void Tnewgame::showView() {
    const NewGameView& v = ng_.view;
    ui->Label6->setText(v.goldbarsLabel);
    {
        const QSignalBlocker quiet(ui->levels);
        ui->levels->setCurrentRow(v.listRow);
    }
    ui->target->setText(v.targetText);
    ui->money->setText(v.moneyText);
    ui->sel1->setVisible(v.sel1);
    ui->sel2->setVisible(v.sel2);
    ui->sel3->setVisible(v.sel3);
    ui->levels->setVisible(v.levelsVisible);
    ui->Label4->setEnabled(v.nameEnabled);
    ui->playername->setEnabled(v.nameEnabled);
    ui->player1name->setVisible(v.namesVisible);
    ui->player2name->setVisible(v.namesVisible);
    ui->browse->setVisible(v.namesVisible);
}

void Tnewgame::goldbars() {
    quotara::goldbars(ng_, game_.state);
    showView();
}

void Tnewgame::singleplay() {
    quotara::singleplay(ng_, game_.state);
    showView();
}

void Tnewgame::freeplay() {
    quotara::freeplay(ng_, game_.state);
    showView();
}

void Tnewgame::multiplayer() {
    quotara::multiplayer(ng_, game_.state);
    showView();
}

void Tnewgame::levelload() {
    quotara::levelload(ng_, game_.state, game_.messages, ui->levels->currentRow());
    showView();
}

void Tnewgame::cheat() {
    quotara::cheat(ng_, game_.state, ui->playername->text());
    showView();
}

void Tnewgame::browseClick() {
    // The two-player game cannot be started yet, so there is nothing to name.
    game_.messages.show(
        Messages::Kind::Information,
        QStringLiteral("Editing the player names is not available in this version of Quotara."));
}

void Tnewgame::Button1Click() {
    const StartOutcome outcome =
        startCheck(game_, ui->playername->text(), ui->player1name->text(), ui->player2name->text());
    if (outcome == StartOutcome::Refused) return;
    Tmain_screen& main = *windows_.main;
    if (outcome == StartOutcome::Started) {
        hide();
        main.showGame();
        main.setUserPanel(userPanelText(game_.state));
    }
    newgamereset(game_.state);
    main.resetViews();
    main.selectLookupPage();
    main.dataload();
}

void Tnewgame::showEvent(QShowEvent* event) {
    if (!placed_) {
        centreOnScreen(this);
        placed_ = true;
    }
    refreshGoldbars(ng_, game_.state);
    showView();
    QWidget::showEvent(event);
}

} // namespace quotara
