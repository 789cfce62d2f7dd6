#include "trading/portfoliopage.h"

#include "components/look.h"
#include "state/game.h"
#include "ui_portfoliopage.h"

namespace quotara {

PortfolioPage::PortfolioPage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::PortfolioPage>()) {
    ui->setupUi(this);
    setIconsWhenShown(this, {{ui->BitBtn9, QStyle::SP_DirHomeIcon}});
    const auto label = [this](const char* column, int r) {
        return findChild<QLabel*>(QLatin1String(column) + QString::number(r));
    };
    for (int r = 1; r <= kPortfolioRows; ++r)
        rows_[r - 1] = {label("name", r),  label("owned", r), label("cost", r),
                        label("value", r), label("price", r), label("profit", r)};
    connect(ui->Button6, &QPushButton::clicked, this, &PortfolioPage::Button6Click);
}

PortfolioPage::~PortfolioPage() = default;

void PortfolioPage::portfolioclear() {
    for (const Row& row : rows_)
        for (QLabel* label : {row.name, row.owned, row.cost, row.value, row.price, row.profit})
            label->clear();
}

void PortfolioPage::Button6Click() {
    showRows(portfolioFigures(game_->state));
}

void PortfolioPage::showRows(const PortfolioFigures& f) {
    for (std::size_t r = 0; r < f.rows.size() && r < rows_.size(); ++r) {
        const PortfolioRow& row = f.rows[r];
        const Row& labels = rows_[r];
        setFittedText(labels.name, row.name);
        labels.owned->setText(row.owned);
        labels.cost->setText(row.cost);
        labels.value->setText(row.value);
        labels.price->setText(row.price);
        setToned(labels.profit, row.profit, row.profitTone);
    }
}

void PortfolioPage::showFigures(const PortfolioFigures& f) {
    // Rows past the holdings are emptied; the rest are written over in place.
    for (std::size_t r = f.rows.size(); r < rows_.size(); ++r)
        for (QLabel* label : {rows_[r].name, rows_[r].owned, rows_[r].cost, rows_[r].value,
                              rows_[r].price, rows_[r].profit})
            label->clear();
    showRows(f);
    ui->portfoliocost->setText(f.cost);
    setToned(ui->portfolioprofit, f.profit, f.profitTone);
    ui->portfoliototal->setText(f.total);
}

QString PortfolioPage::totalText() const {
    return ui->portfoliototal->text();
}

} // namespace quotara
