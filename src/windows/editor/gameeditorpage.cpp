#include "windows/editor/gameeditorpage.h"

#include "editor/sharedata.h"
#include "state/game.h"
#include "state/helptopics.h"
#include "ui_gameeditorpage.h"
#include "windows/components/look.h"
#include "windows/components/readers.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <QStyle>

namespace quotara {

GameEditorPage::GameEditorPage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::GameEditorPage>()) {
    ui->setupUi(this);
    useClassicFrame(ui->GroupBox2);
    setIconsWhenShown(this, {{ui->BitBtn3, QStyle::SP_MessageBoxQuestion}});
    // Each field is read by its caption.
    nameAfterCaption(ui->Label24, ui->news);
    nameAfterCaption(ui->Label25, ui->ftseaffect);
    nameAfterCaption(ui->Label26, ui->probability);
    nameAfterCaption(ui->speclabel, ui->spec);
    // The page's buttons answer Enter themselves when they have the focus.
    for (QPushButton* b : {ui->BitBtn1, ui->BitBtn2, ui->BitBtn3, ui->Button2, ui->Button3,
                           ui->Button4, ui->Button5})
        b->setAutoDefault(true);

    connect(ui->Button2, &QPushButton::clicked, this, &GameEditorPage::Button2Click);
    connect(ui->Button3, &QPushButton::clicked, this, &GameEditorPage::Button3Click);
    connect(ui->Button4, &QPushButton::clicked, this, &GameEditorPage::Button4Click);
    connect(ui->Button5, &QPushButton::clicked, this, &GameEditorPage::Button5Click);
    // Only the player's own changes reach the table; showing an item stores nothing.
    connect(ui->news, &QLineEdit::textEdited, this, &GameEditorPage::newsupdate);
    connect(ui->ftseaffect, &QComboBox::activated, this, &GameEditorPage::updateftsetag);
    connect(ui->sector, &QComboBox::activated, this, &GameEditorPage::sectorchange);
    connect(ui->sectoraffect, &QComboBox::activated, this, &GameEditorPage::updatesectortag);
    connect(ui->probability, &QComboBox::activated, this, &GameEditorPage::special);
    connect(ui->spec, &QLineEdit::textEdited, this, &GameEditorPage::specialeval);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &GameEditorPage::BitBtn1Click);
    connect(ui->BitBtn2, &QPushButton::clicked, this, &GameEditorPage::BitBtn2Click);
    connect(ui->BitBtn3, &QPushButton::clicked, this, &GameEditorPage::BitBtn3Click);
}

void GameEditorPage::setGame(Game& game) {
    game_ = &game;
    editor_.emplace(game);
    showItem(editor_->editloadtoscreen());
}

GameEditorPage::~GameEditorPage() = default;

void GameEditorPage::showItem(const EditorView& view) {
    const QSignalBlocker blockNews(ui->news);
    const QSignalBlocker blockSpec(ui->spec);
    ui->Label24->setText(view.caption);
    nameAfterCaption(ui->Label24, ui->news); // the item's number
    ui->news->setText(view.text);
    ui->news->setCursorPosition(0);
    if (view.ftseIndex) ui->ftseaffect->setCurrentIndex(*view.ftseIndex);
    ui->sector->setCurrentIndex(view.sectorIndex);
    if (view.sectorAffectIndex) ui->sectoraffect->setCurrentIndex(*view.sectorAffectIndex);
    if (view.probabilityIndex) ui->probability->setCurrentIndex(*view.probabilityIndex);
    if (view.specialNumber) ui->spec->setText(*view.specialNumber);
    showSpecial(ui->probability->currentIndex() == kSpecialIndex);
}

void GameEditorPage::showSpecial(bool visible) {
    // Enter in the number box moves on with Next; the focus then stays with Next rather than
    // passing to Last, where the next Enter would go back.
    if (!visible && ui->spec->hasFocus()) ui->BitBtn1->setFocus();
    ui->speclabel->setVisible(visible);
    ui->spec->setVisible(visible);
}

void GameEditorPage::loadeditor() {
    showItem(editor_->loadeditor());
}

void GameEditorPage::Button2Click() {
    savegamedata(*game_);
}

void GameEditorPage::Button3Click() {
    if (loadgamedata(*game_)) emit sharesLoaded();
}

void GameEditorPage::Button4Click() {
    if (const auto view = editor_->Button4Click()) showItem(*view);
}

void GameEditorPage::Button5Click() {
    editor_->Button5Click();
}

void GameEditorPage::newsupdate() {
    editor_->newsupdate(ui->news->text());
}

void GameEditorPage::updateftsetag() {
    editor_->updateftsetag(ui->ftseaffect->currentIndex());
}

void GameEditorPage::sectorchange() {
    if (const auto index = editor_->sectorchange(ui->sector->currentIndex()))
        ui->sectoraffect->setCurrentIndex(*index);
}

void GameEditorPage::updatesectortag() {
    editor_->updatesectortag(ui->sector->currentIndex(), ui->sectoraffect->currentIndex());
}

void GameEditorPage::special() {
    showSpecial(editor_->special(ui->probability->currentIndex()));
}

void GameEditorPage::specialeval() {
    if (ui->probability->currentIndex() == kSpecialIndex) editor_->specialeval(ui->spec->text());
}

void GameEditorPage::BitBtn1Click() {
    showItem(editor_->next());
}

void GameEditorPage::BitBtn2Click() {
    showItem(editor_->last());
}

void GameEditorPage::BitBtn3Click() {
    emit helpRequested(kHelpGameEditor);
}

void GameEditorPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ui->BitBtn1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace quotara
