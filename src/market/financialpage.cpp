#include "market/financialpage.h"

#include "components/look.h"
#include "market/figures.h"
#include "ui_financialpage.h"

namespace quotara {

FinancialPage::FinancialPage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::FinancialPage>()) {
    ui->setupUi(this);
    setIconsWhenShown(this, {{ui->BitBtn8, QStyle::SP_ComputerIcon}}, [this] {
        // Captions a little wider than the room the page leaves them, measured in the pixel
        // fonts the window sets.
        for (QLabel* caption :
             {ui->infounemployedcap, ui->infochangelastmonth, ui->forecastunemployedcap})
            setFittedText(caption, caption->text());
    });
    useClassicFrame(ui->Forecasts);
}

FinancialPage::~FinancialPage() = default;

void FinancialPage::showIndexValues(const FinancialFigures& f) {
    ui->infodowprice->setText(f.dow);
    ui->infoftseprice->setText(f.ftse);
    ui->infohangprice->setText(f.hang);
}

void FinancialPage::showFigures(const FinancialFigures& f) {
    showIndexValues(f);
    ui->infointerest->setText(f.interest);
    ui->infoinflation->setText(f.inflation);
    ui->infounemployed->setText(f.unemployed);
}

void FinancialPage::showIndexChanges(const FinancialFigures& f) {
    setToned(ui->infodowchange, f.dowchange, f.dowTone);
    setToned(ui->infohangchange, f.hangchange, f.hangTone);
    setToned(ui->infoftsechange, f.ftsechange, f.ftseTone);
    ui->infounemployed->setText(f.unemployed);
    ui->infounemployedchange->setText(f.unemployedchange);
}

} // namespace quotara
