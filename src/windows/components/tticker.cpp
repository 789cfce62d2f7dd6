#include "windows/components/tticker.h"

#include "state/game.h"
#include "ui_tticker.h"
#include "windows/components/look.h"
#include "windows/components/tbanner.h"

#include <QCloseEvent>
#include <QLayout>

namespace quotara {

Tticker::Tticker(Game& game, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui(std::make_unique<Ui::Tticker>()) {
    ui->setupUi(this);
    // It only shows the headlines: showing it never takes the keyboard from the game. Clicked,
    // it becomes the active window as any other does, so it can be moved or closed.
    setAttribute(Qt::WA_ShowWithoutActivating);
    usePixelFonts(this);
    setFixedSize(511, 31);
    // Banner1 fills the window from the start, not only once it is shown: the offset's
    // arithmetic uses its width.
    layout()->activate();
    ui->Banner1->setMessages(&game.messages);
    ui->Banner1->loaded();
}

Tticker::~Tticker() = default;

void Tticker::setText(const QString& text) {
    // An empty text would switch the banner off with an error box (a load of a save without
    // its state file brings none): the last text keeps scrolling instead. The same headlines
    // go on scrolling as they are, with no new picture to make.
    if (text.isEmpty()) return;
    if (text == ui->Banner1->scrollText() && ui->Banner1->scrollingEnabled()) return;
    ui->Banner1->setScrollText(text);
}

void Tticker::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    // The game itself only ever hides it.
    if (event->isAccepted()) emit closedByPlayer();
}

QString Tticker::text() const {
    return ui->Banner1->scrollText();
}

TBanner* Tticker::banner() const {
    return ui->Banner1;
}

} // namespace quotara
