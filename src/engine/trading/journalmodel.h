#pragma once
// The trade journal as a table: one row per completed trade, in the order made. Each column
// sorts by its value (Qt::UserRole): dates by when the trade was made, amounts as numbers.

#include "state/playrecord.h"

#include <QAbstractTableModel>

#include <vector>

namespace quotara {

class JournalModel : public QAbstractTableModel {
  public:
    enum Column { Date, Share, Action, Quantity, Price, Total, CashAfter, Player, ColumnCount };
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // The journal now: trades added since the last call come in as new rows; another
    // journal (another game's, told by its first or last trade taken in) resets the table.
    void setTrades(const std::vector<TradeEntry>& trades);
    // The names the Player column gives players 1 and 2 of a two-player game.
    void setPlayers(const QString& first, const QString& second);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QString playerName(const TradeEntry& t) const;

    std::vector<TradeEntry> trades_;
    QString players_[2];
};

} // namespace quotara
