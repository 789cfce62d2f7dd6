#pragma once
// The Hall of Fame window (Options > Hall of Fame): the ten best results of each level and of
// two-player wins, one list at a time, sortable by any column. The Session keeps and orders
// the hall; this window shows it and asks the Session to clear it.

#include <QWidget>

#include <memory>

class QSortFilterProxyModel;

namespace Ui {
class Thalloffame;
}

namespace quotara {

class HallModel;
class Session;

class Thalloffame : public QWidget {
    Q_OBJECT

  public:
    explicit Thalloffame(Session& session, QWidget* parent = nullptr);
    ~Thalloffame() override;

    // The list on show: 0..14 a level, 15 two players.
    int shownList() const;

  public slots:
    void open();    // Options > Hall of Fame: shown, in front
    void refresh(); // the hall changed (a level won): the lists again
    void showList(int list);
    void clearClick(); // Clear…, after its question

  private:
    std::unique_ptr<Ui::Thalloffame> ui;
    Session& session_;
    HallModel* model_;
    QSortFilterProxyModel* sorted_;
    bool placed_ = false;
};

} // namespace quotara
