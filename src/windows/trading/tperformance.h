#pragma once
// The Performance window (Options > Performance): the worth per day of the game being played
// against its starting money, target and deadline, the trade journal, a summary line, and
// an export of the whole record as CSV. Not modal; while open it follows End Day and trades.

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

  public slots:
    void open();          // Options > Performance: shown, in front
    void refreshRecord(); // the record changed: redrawn while open
    void exportRecord();  // exportButton

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    std::unique_ptr<Ui::Tperformance> ui;
    Session& session_;
    JournalModel* model_;
    QSortFilterProxyModel* sorted_;
    ChooseFile chooseFile_;
    bool placed_ = false;
};

} // namespace quotara
