#include "windows/play/thalloffame.h"

#include "play/hallmodel.h"
#include "play/session.h"
#include "ui_thalloffame.h"
#include "windows/components/look.h"

#include <QHeaderView>
#include <QShortcut>
#include <QSortFilterProxyModel>

namespace quotara {

Thalloffame::Thalloffame(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::Thalloffame>()), session_(session),
      model_(new HallModel(this)), sorted_(new QSortFilterProxyModel(this)) {
    ui->setupUi(this);
    usePixelFonts(this);
    for (int list = 0; list < kFameLists; ++list)
        ui->lists->addItem(fameListName(list));
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(HallModel::kSortRole);
    ui->best->setModel(sorted_);
    ui->best->sortByColumn(HallModel::Place, Qt::AscendingOrder);
    ui->best->verticalHeader()->setVisible(false);
    ui->best->horizontalHeader()->setStretchLastSection(true);
    connect(ui->lists, &QListWidget::currentRowChanged, this, &Thalloffame::showList);
    connect(ui->clearButton, &QPushButton::clicked, this, &Thalloffame::clearClick);
    connect(ui->closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    ui->lists->setCurrentRow(0);
}

Thalloffame::~Thalloffame() = default;

int Thalloffame::shownList() const {
    return ui->lists->currentRow();
}

void Thalloffame::open() {
    refresh();
    if (!placed_) {
        centreOnScreen(this);
        placed_ = true;
    }
    bringToFront(this);
    ui->lists->setFocus();
}

void Thalloffame::refresh() {
    showList(shownList());
}

void Thalloffame::showList(int list) {
    if (list < 0 || list >= kFameLists) return;
    const auto& entries = session_.hallOfFame().list(list);
    model_->setList(entries, list == kTwoPlayerFame);
    ui->best->resizeColumnsToContents();
    // What a screen reader says of the table: whose results, and when there are none.
    ui->best->setAccessibleName(QStringLiteral("Best results: ") + fameListName(list));
    ui->best->setAccessibleDescription(entries.empty() ? QStringLiteral("No results yet")
                                                       : QString());
    ui->clearButton->setEnabled(!session_.hallOfFame().empty());
}

void Thalloffame::clearClick() {
    if (session_.clearHallOfFame()) refresh();
}

} // namespace quotara
