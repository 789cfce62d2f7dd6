#include "windows/play/tnewgame.h"

#include "play/session.h"
#include "ui_tnewgame.h"
#include "windows/components/look.h"
#include "windows/components/pictures.h"
#include "windows/components/readers.h"
#include "windows/play/namefield.h"

#include <QCloseEvent>
#include <QShortcut>

namespace quotara {

Tnewgame::Tnewgame(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      ui(std::make_unique<Ui::Tnewgame>()), session_(session), game_(session.game()),
      ng_(session.newGame()) {
    ui->setupUi(this);
    usePixelFonts(this);
    pressWithEnter(this);
    ui->Image1->setPixmap(newGameTitle(ui->Image1->size()));
    ui->Image4->setIcon(modePicture(1, ui->Image4->iconSize()));
    ui->Image3->setIcon(modePicture(2, ui->Image3->iconSize()));
    ui->Image2->setIcon(modePicture(3, ui->Image2->iconSize()));
    ui->levels->addItems(levelEntries());
    for (const PlayUntil& choice : playUntilChoices())
        ui->playuntil->addItem(choice.text);
    tieCaption(ui->Label2, ui->target);
    tieCaption(ui->Label3, ui->money);
    guardNameField(ui->playername, game_.messages);
    // The window has no Cancel; Escape does what its close box does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    connect(ui->Image4, &QToolButton::clicked, this, &Tnewgame::singleplay);
    // The picture's hint speaks of the right mouse button; let that choose it too.
    ui->Image4->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->Image4, &QWidget::customContextMenuRequested, this, &Tnewgame::singleplay);
    connect(ui->Image3, &QToolButton::clicked, this, &Tnewgame::freeplay);
    connect(ui->Image2, &QToolButton::clicked, this, &Tnewgame::multiplayer);
    connect(ui->levels, &QListWidget::itemClicked, this, &Tnewgame::levelload);
    // The arrow keys choose a level as a click does; a click comes as itemClicked.
    connect(ui->levels, &QListWidget::currentRowChanged, this, [this] {
        if (QGuiApplication::mouseButtons() == Qt::NoButton) levelload();
    });
    connect(ui->playername, &QLineEdit::textChanged, this, &Tnewgame::cheat);
    // Typing the name and pressing Enter is the quickest way into a game.
    connect(ui->playername, &QLineEdit::returnPressed, ui->Button1, &QPushButton::click);
    connect(ui->browse, &QPushButton::clicked, this, &Tnewgame::browseClick);
    connect(ui->playuntil, &QComboBox::activated, this, &Tnewgame::playuntil);
    connect(ui->Button1, &QPushButton::clicked, this, &Tnewgame::Button1Click);

    goldbars();
    showView(); // the single-play look of a new window
}

Tnewgame::~Tnewgame() = default;

void Tnewgame::showView() {
    const NewGameView& v = ng_.view;
    ui->Label6->setText(v.goldbarsLabel);
    // Locked levels greyed, and each level's money, target and deadline on its tooltip.
    for (int row = 0; row < kLevelCount && row < ui->levels->count(); ++row) {
        QListWidgetItem* item = ui->levels->item(row);
        const LevelRow& level = levelTable()[row];
        const int bars = game_.state.goldbarcount;
        item->setToolTip(levelHint(level, bars));
        item->setForeground(levelLocked(level, bars)
                                ? palette().color(QPalette::Disabled, QPalette::Text)
                                : palette().color(QPalette::Text));
    }
    {
        const QSignalBlocker quiet(ui->levels);
        ui->levels->setCurrentRow(v.listRow);
    }
    ui->level->setText(headingOf(ng_));
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
    ui->playuntillabel->setVisible(v.playUntilVisible);
    ui->playuntil->setVisible(v.playUntilVisible);
    {
        const QSignalBlocker quiet(ui->playuntil);
        ui->playuntil->setCurrentIndex(v.playUntilRow);
    }
}

void Tnewgame::goldbars() {
    session_.choose([this](GameState& s) { quotara::goldbars(ng_, s); });
    showView();
}

void Tnewgame::singleplay() {
    session_.choose([this](GameState& s) { quotara::singleplay(ng_, s); });
    showView();
}

void Tnewgame::freeplay() {
    session_.choose([this](GameState& s) { quotara::freeplay(ng_, s); });
    showView();
}

void Tnewgame::multiplayer() {
    session_.choose([this](GameState& s) { quotara::multiplayer(ng_, s); });
    showView();
}

void Tnewgame::playuntil() {
    const int row = ui->playuntil->currentIndex();
    session_.choose([this, row](GameState& s) { quotara::playuntil(ng_, s, row); });
    showView();
}

void Tnewgame::levelload() {
    const int row = ui->levels->currentRow();
    session_.choose([this, row](GameState& s) { quotara::levelload(ng_, s, game_.messages, row); });
    showView();
}

void Tnewgame::cheat() {
    const QString name = ui->playername->text();
    session_.choose([this, &name](GameState& s) { quotara::cheat(ng_, s, name); });
    showView();
}

void Tnewgame::browseClick() {
    emit editNamesRequested();
}

void Tnewgame::Button1Click() {
    session_.start({ui->playername->text(), ui->player1name->text(), ui->player2name->text()});
}

void Tnewgame::showNames(const QString& player1, const QString& player2) {
    ui->player1name->setText(player1);
    ui->player2name->setText(player2);
}

void Tnewgame::showPlayerName(const QString& name) {
    // The name was typed or accepted before: no gold-bar check again.
    const QSignalBlocker quiet(ui->playername);
    ui->playername->setText(name);
}

void Tnewgame::refreshView() {
    // A loaded two-player game brings its players' names.
    if (ng_.view.namesVisible && !game_.state.p1name.empty())
        showNames(game_.state.p1name.toQString(), game_.state.p2name.toQString());
    showView();
}

void Tnewgame::closeEvent(QCloseEvent* event) {
    const Closing closing = session_.closeNewGameChoices();
    event->setAccepted(closing != Closing::Stay);
    if (closing == Closing::Quit) emit quitRequested();
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
