#include "windows/market/newspage.h"

#include "market/headlines.h"
#include "windows/components/figurelabel.h"
#include "windows/components/look.h"
#include "windows/components/readers.h"

#include "state/gamestate.h"
#include "ui_newspage.h"

namespace quotara {

NewsPage::NewsPage(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::NewsPage>()) {
    ui->setupUi(this);
    pinFigureSizes(this);
    setIconsWhenShown(this, {{ui->BitBtn7, QStyle::SP_MessageBoxInformation}});
    hideFromReaders(ui->BitBtn7);
    // The first headline ends short of the glyph button in the page's corner.
    ui->headlines1->setContentsMargins(
        0, 0, ui->headlines1->width() - (ui->BitBtn7->x() - 4 - ui->headlines1->x()), 0);
}

NewsPage::~NewsPage() = default;

void NewsPage::clearCaptions() {
    ui->headlines4->clear();
    ui->headlines1->clear();
    ui->headlines2->clear();
}

void NewsPage::showHeadlines(const GameState& s) {
    ui->headlines1->setText(noHeadlines(s) ? kNoNewsToday : s.headlines1.caption);
    ui->headlines1no->setText(s.headlines1.numberText());
    ui->headlines2->setText(s.headlines2.caption);
    ui->headlines2no->setText(s.headlines2.numberText());
    ui->headlines3no->clear();
    ui->headlines4->setText(s.headlines4.caption);
    ui->headlines4no->setText(s.headlines4.numberText());
}

} // namespace quotara
