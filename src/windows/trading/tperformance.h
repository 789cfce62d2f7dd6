#pragma once
// The Performance window (Options > Performance): the worth per day of the game being played
// against its starting money, target and deadline, the trade journal, a summary line, and
// an export of the whole record as CSV. Not modal; while open it follows End Day and trades.
// It opens beside the game, or where the player last left it at the zoom in force (kept in
// the settings); the graph and the journal share its height.

#include "trading/performance.h"

#include <QWidget>

#include <functional>
#include <memory>

class QSortFilterProxyModel;

namespace Ui {
class Tperformance;
}

namespace quotara {

class Session;
class JournalModel;

class Tperformance : public QWidget {
    Q_OBJECT

  public:
    // Asks where the export goes, suggesting a file name; an empty answer cancels.
    using ChooseFile = std::function<QString(QWidget* parent, const QString& suggested)>;

    explicit Tperformance(Session& session, QWidget* parent = nullptr);
    ~Tperformance() override;

    // Qt's save dialog unless replaced (tests answer without a dialog).
    void setChooseFile(ChooseFile choose) { chooseFile_ = std::move(choose); }

    // Options > Performance: shown in front. The first time in a run it goes where the
    // player left it at this zoom, or else beside game (the main window), leaving it in view.
    void openBeside(const QWidget& game);

  public slots:
    void refreshRecord(); // the record changed: redrawn while open
    void exportRecord();  // exportButton

  protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    QString placeKey() const; // the settings' key of the place at the zoom in force
    bool restorePlace();
    void keepPlace();

    std::unique_ptr<Ui::Tperformance> ui;
    Session& session_;
    JournalModel* model_;
    QSortFilterProxyModel* sorted_;
    ChooseFile chooseFile_;
    DayMoves dayMoves_; // the best and worst day, counted as the record grows
    QSize preferred_;   // the form's size: the most a first opening takes
    bool placed_ = false;
};

} // namespace quotara
