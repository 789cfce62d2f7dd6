#pragma once
// One list of the hall of fame as a table, best first. Each column sorts by its value
// (kSortRole): places and amounts as numbers, dates by the day.

#include "play/halloffame.h"

#include <QAbstractTableModel>

#include <vector>

namespace quotara {

class HallModel : public QAbstractTableModel {
  public:
    // Against: the two-player list's player beaten.
    enum Column { Place, Name, Worth, Profit, Won, Days, Against, ColumnCount };
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // The list to show: a level's, or the two-player list with its Against column.
    void setList(const std::vector<FameEntry>& entries, bool twoPlayer);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<FameEntry> entries_;
    bool twoPlayer_ = false;
};

} // namespace quotara
