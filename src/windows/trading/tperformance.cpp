#include "windows/trading/tperformance.h"

#include "play/levels.h"
#include "play/session.h"
#include "play/twoplayer.h"
#include "trading/journalmodel.h"
#include "trading/performance.h"
#include "trading/recordcsv.h"
#include "trading/worthgraph.h"
#include "ui_tperformance.h"
#include "windows/components/look.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QHideEvent>
#include <QScreen>
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
                          fm.horizontalAdvance(QStringLiteral("Cash after")),
                          fm.horizontalAdvance(QStringLiteral("Player"))};
    for (int c = 0; c < JournalModel::ColumnCount; ++c)
        header->resizeSection(c, widths[c] + 16);
    header->setStretchLastSection(true);
    ui->journal->verticalHeader()->setDefaultSectionSize(fm.height() + 4);
    // Both grow with the window; the player moves the line between them.
    ui->split->setStretchFactor(0, 1);
    ui->split->setStretchFactor(1, 1);
    connect(ui->exportButton, &QPushButton::clicked, this, &Tperformance::exportRecord);
    connect(ui->closeButton, &QPushButton::clicked, this, &QWidget::close);
    preferred_ = size();
}

Tperformance::~Tperformance() {
    if (isVisible()) keepPlace(); // the program ends with the window open
}

void Tperformance::openBeside(const QWidget& game) {
    if (!isVisible() && !placed_) {
        placed_ = true;
        const QScreen* screen = game.screen();
        if (!restorePlace() && screen) {
            const QRect frame = game.frameGeometry(), inner = game.geometry();
            const QMargins border(inner.left() - frame.left(), inner.top() - frame.top(),
                                  frame.right() - inner.right(), frame.bottom() - inner.bottom());
            setGeometry(
                placeBeside(screen->availableGeometry(), frame, preferred_, minimumSize(), border));
        }
    }
    show();
    raise();
    activateWindow();
}

void Tperformance::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous()) refreshRecord();
}

void Tperformance::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (!e->spontaneous()) keepPlace();
}

QString Tperformance::placeKey() const {
    return QStringLiteral("Performance/Place%1").arg(qRound(devicePixelRatioF() * 100));
}

bool Tperformance::restorePlace() {
    const QStringList kept = session_.game().settings.value(placeKey()).split(QLatin1Char(' '));
    if (kept.size() != 2 || !restoreGeometry(QByteArray::fromBase64(kept[0].toLatin1())))
        return false;
    ui->split->restoreState(QByteArray::fromBase64(kept[1].toLatin1()));
    return true;
}

void Tperformance::keepPlace() {
    // Where the window is and where the line between graph and journal is, in one value.
    // A settings file that cannot be written costs only the place: nothing to tell the player.
    const QString place = QString::fromLatin1(saveGeometry().toBase64()) + QLatin1Char(' ') +
                          QString::fromLatin1(ui->split->saveState().toBase64());
    Settings& settings = session_.game().settings;
    if (settings.value(placeKey()) != place) settings.set(placeKey(), place);
}

void Tperformance::refreshRecord() {
    if (!isVisible()) return; // drawn when shown
    const GameState& state = session_.game().state;
    ui->worthGraph->showRecord(state);
    if (const QString description = worthGraphSummary(state);
        description != ui->worthGraph->accessibleDescription())
        ui->worthGraph->setAccessibleDescription(description);
    model_->setTrades(state.record.trades);
    // Whose each trade was matters only with two players.
    const bool two = twoPlayerTurns(state);
    if (two) model_->setPlayers(state.p1name.toQString(), state.p2name.toQString());
    if (ui->journal->isColumnHidden(JournalModel::Player) == two)
        ui->journal->setColumnHidden(JournalModel::Player, !two);
    ui->summary->setParts(
        session_.gameOn() ? summaryParts(state, levelName(session_.newGame().appliedLevel, state),
                                         dayMoves_.takeIn(state.record.days))
                          : QStringList{QStringLiteral("No game is being played.")});
}

void Tperformance::exportRecord() {
    const GameState& state = session_.game().state;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    const QString suggested =
        folder + QStringLiteral("/quotara-") + isoDate(gameDate(state)) + QStringLiteral(".csv");
    const QString path = chooseFile_(this, suggested);
    if (path.isEmpty()) return;
    const QString why = writeRecordCsv(
        state.record, path,
        twoPlayerTurns(state) ? RecordPlayers{state.p1name.toQString(), state.p2name.toQString()}
                              : RecordPlayers{});
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
