#include "windows/market/financialpage.h"

#include "market/figures.h"
#include "ui_financialpage.h"
#include "windows/components/figurelabel.h"
#include "windows/components/look.h"
#include "windows/components/readers.h"

namespace quotara {

FinancialPage::FinancialPage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::FinancialPage>()) {
    ui->setupUi(this);
    pinFigureSizes(this);
    setIconsWhenShown(this, {{ui->BitBtn8, QStyle::SP_ComputerIcon}}, [this] {
        // Captions a little wider than the room the page leaves them, measured in the pixel
        // fonts the window sets.
        for (QLabel* caption :
             {ui->infounemployedcap, ui->infochangelastmonth, ui->forecastunemployedcap})
            setFittedText(caption, caption->text());
    });
    useClassicFrame(ui->Forecasts);
    // Each figure is read with what it is.
    tieCaption(ui->infoftse100cap, ui->infoftseprice);
    tieCaption(QStringLiteral("FTSE 100 change"), ui->infoftsechange);
    tieCaption(ui->infodowjonescap, ui->infodowprice);
    tieCaption(QStringLiteral("Dow Jones change"), ui->infodowchange);
    tieCaption(ui->infohangsengcap, ui->infohangprice);
    tieCaption(QStringLiteral("Hang Seng change"), ui->infohangchange);
    tieCaption(ui->infointerestcap, ui->infointerest);
    tieCaption(ui->infolastaction, ui->infointerestnext);
    tieCaption(ui->infoinflationcap, ui->infoinflation);
    tieCaption(ui->infounemployedcap, ui->infounemployed);
    tieCaption(ui->infochangelastmonth, ui->infounemployedchange);
    const QString forecasters[] = {ui->merrilllynch->text(), ui->goldmansachs->text()};
    const QLabel* const subjects[] = {ui->forecastinterestcap, ui->forecastinflationcap,
                                      ui->forecastunemployedcap};
    QLabel* const figures[2][3] = {{ui->mlinterest, ui->mlinflation, ui->mlunemployed},
                                   {ui->gsinterest, ui->gsinflation, ui->gsunemployed}};
    for (int f = 0; f < 2; ++f)
        for (int k = 0; k < 3; ++k)
            tieCaption(forecasters[f] + QStringLiteral(", ") + subjects[k]->text(), figures[f][k]);
    hideFromReaders(ui->BitBtn8);
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
