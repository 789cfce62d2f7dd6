#include "windows/trading/tperformance.h"

#include "play/levels.h"
#include "play/session.h"
#include "trading/journalmodel.h"
#include "trading/performance.h"
#include "trading/recordcsv.h"
#include "trading/worthgraph.h"
#include "ui_tperformance.h"
#include "windows/components/look.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QStandardPaths>

namespace quotara {

namespace {

QString askSaveFile(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Export the record"), suggested,
                                        QStringLiteral("CSV files (*.csv);;All files (*)"));
}

} // namespace

Tperformance::Tperformance(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::Tperformance>()), session_(session),
      model_(new JournalModel(this)), sorted_(new QSortFilterProxyModel(this)),
      chooseFile_(askSaveFile) {
    ui->setupUi(this);
    usePixelFonts(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(JournalModel::kSortRole);
    ui->journal->setModel(sorted_);
    ui->journal->sortByColumn(JournalModel::Date, Qt::AscendingOrder);
    ui->journal->verticalHeader()->setVisible(false);
    // Fixed widths: measuring every row of a long journal would cost more than the rows.
    QHeaderView* header = ui->journal->horizontalHeader();
    const QFontMetrics fm(ui->journal->font());
    const int widths[] = {fm.horizontalAdvance(QStringLiteral("30th September 1999")),
                          fm.horizontalAdvance(QStringLiteral("Cable & Wireless")),
                          fm.horizontalAdvance(QStringLiteral("Buy or sell")),
                          fm.horizontalAdvance(QStringLiteral("Quantity")),
                          fm.horizontalAdvance(QStringLiteral("65535p")),
                          fm.horizontalAdvance(QStringLiteral("£1000000")),
                          fm.horizontalAdvance(QStringLiteral("Cash after"))};
    for (int c = 0; c < JournalModel::ColumnCount; ++c)
        header->resizeSection(c, widths[c] + 16);
    header->setStretchLastSection(true);
    ui->journal->verticalHeader()->setDefaultSectionSize(fm.height() + 4);
    connect(ui->exportButton, &QPushButton::clicked, this, &Tperformance::exportRecord);
    connect(ui->closeButton, &QPushButton::clicked, this, &QWidget::close);
}

Tperformance::~Tperformance() = default;

void Tperformance::open() {
    bringToFront(this);
}

void Tperformance::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    if (!placed_) {
        centreOnScreen(this);
        placed_ = true;
    }
    refreshRecord();
}

void Tperformance::refreshRecord() {
    if (!isVisible()) return; // drawn when shown
    const GameState& state = session_.game().state;
    ui->worthGraph->showRecord(state);
    ui->worthGraph->setAccessibleDescription(worthGraphSummary(state));
    model_->setTrades(state.record.trades);
    ui->summary->setText(session_.gameOn()
                             ? summaryText(state, levelName(session_.newGame().appliedLevel, state))
                             : QStringLiteral("No game is being played."));
}

void Tperformance::exportRecord() {
    const GameState& state = session_.game().state;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    const QString suggested =
        folder + QStringLiteral("/quotara-") + isoDate(gameDate(state)) + QStringLiteral(".csv");
    const QString path = chooseFile_(this, suggested);
    if (path.isEmpty()) return;
    const QString why = writeRecordCsv(state.record, path);
    Messages& messages = session_.game().messages;
    if (why.isEmpty())
        messages.show(
            Messages::Kind::Information,
            QStringLiteral("The record was exported to %1.").arg(QDir::toNativeSeparators(path)));
    else
        messages.show(Messages::Kind::Error, QStringLiteral("The record could not be exported to "
                                                            "%1: %2")
                                                 .arg(QDir::toNativeSeparators(path), why));
}

} // namespace quotara
