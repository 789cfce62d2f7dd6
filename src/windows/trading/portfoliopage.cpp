#include "windows/trading/portfoliopage.h"

#include "state/game.h"
#include "ui_portfoliopage.h"
#include "windows/components/figurelabel.h"
#include "windows/components/look.h"
#include "windows/components/readers.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include <algorithm>

namespace quotara {

PortfolioPage::PortfolioPage(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::PortfolioPage>()) {
    ui->setupUi(this);
    pinFigureSizes(this);
    setIconsWhenShown(this, {{ui->BitBtn9, QStyle::SP_DirHomeIcon}});
    const auto label = [this](const char* column, int r) {
        return findChild<QLabel*>(QLatin1String(column) + QString::number(r));
    };
    for (int r = 1; r <= kPortfolioRows; ++r)
        rows_[r - 1] = {label("name", r),  label("owned", r), label("cost", r),
                        label("value", r), label("price", r), label("profit", r)};
    // Each figure is read with its column's head.
    const char* columns[] = {"name", "owned", "cost", "value", "price", "profit"};
    for (int c = 0; c < 6; ++c) {
        const QString head =
            findChild<QLabel*>(QStringLiteral("portfoliohead%1").arg(c + 1))->text();
        for (int r = 1; r <= kPortfolioRows; ++r)
            tieCaption(head, label(columns[c], r));
    }
    tieCaptionsByName(this);
    hideFromReaders(ui->BitBtn9);
    connect(ui->Button6, &QPushButton::clicked, this, &PortfolioPage::Button6Click);
    // Past eight holdings the rows scroll; the bar shows only then.
    more_ = new QScrollBar(Qt::Vertical, this);
    more_->setObjectName(QStringLiteral("portfoliomore"));
    more_->setAccessibleName(QStringLiteral("More holdings"));
    const QRect rows = rows_.front().profit->geometry() | rows_.back().profit->geometry();
    // Beside the rows, under the picture button in the corner.
    const int top = std::max(rows.top(), ui->BitBtn9->geometry().bottom() + 3);
    more_->setGeometry(rows.right() + 4, top, 16, rows.bottom() - top + 1);
    more_->setPageStep(kPortfolioRows);
    more_->hide();
    connect(more_, &QScrollBar::valueChanged, this, &PortfolioPage::showHeld);
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
    held_ = f.rows;
    const int beyond = std::max(0, static_cast<int>(held_.size()) - kPortfolioRows);
    {
        const QSignalBlocker quiet(more_);
        more_->setRange(0, beyond);
    }
    more_->setVisible(beyond > 0);
    showHeld();
}

void PortfolioPage::showHeld() {
    const auto first = static_cast<std::size_t>(more_->value());
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const Row& labels = rows_[r];
        if (first + r >= held_.size()) {
            for (QLabel* label : {labels.name, labels.owned, labels.cost, labels.value,
                                  labels.price, labels.profit})
                label->clear();
            continue;
        }
        const PortfolioRow& row = held_[first + r];
        setFittedText(labels.name, row.name);
        labels.owned->setText(row.owned);
        labels.cost->setText(row.cost);
        labels.value->setText(row.value);
        labels.price->setText(row.price);
        setToned(labels.profit, row.profit, row.profitTone);
    }
}

void PortfolioPage::wheelEvent(QWheelEvent* event) {
    // The wheel anywhere on the page moves the rows, as over the scroll bar.
    if (more_->isVisible()) QCoreApplication::sendEvent(more_, event);
}

void PortfolioPage::showFigures(const PortfolioFigures& f) {
    showRows(f);
    ui->portfoliocost->setText(f.cost);
    setToned(ui->portfolioprofit, f.profit, f.profitTone);
    ui->portfoliototal->setText(f.total);
}

QString PortfolioPage::totalText() const {
    return ui->portfoliototal->text();
}

} // namespace quotara
