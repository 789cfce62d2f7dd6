#include "trading/journalmodel.h"

#include "state/money.h"
#include "trading/performance.h"

namespace quotara {

void JournalModel::setTrades(const std::vector<TradeEntry>& trades) {
    const std::size_t had = trades_.size();
    // The same journal, grown or not, still has the first and the last trade taken in where
    // they were: checking those two keeps an End Day from comparing every trade of a long game.
    const bool same = had == 0 || (trades.size() >= had && trades.front() == trades_.front() &&
                                   trades[had - 1] == trades_.back());
    if (same && trades.size() == had) return;
    if (same) {
        beginInsertRows(QModelIndex(), static_cast<int>(had), static_cast<int>(trades.size() - 1));
        trades_.insert(trades_.end(), trades.begin() + static_cast<std::ptrdiff_t>(had),
                       trades.end());
        endInsertRows();
        return;
    }
    beginResetModel();
    trades_ = trades;
    endResetModel();
}

void JournalModel::setPlayers(const QString& first, const QString& second) {
    if (players_[0] == first && players_[1] == second) return;
    players_[0] = first;
    players_[1] = second;
    if (!trades_.empty()) emit dataChanged(index(0, Player), index(rowCount() - 1, Player));
}

QString JournalModel::playerName(const TradeEntry& t) const {
    return t.player == 1 || t.player == 2 ? players_[t.player - 1] : QString();
}

int JournalModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(trades_.size());
}

int JournalModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant JournalModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const TradeEntry& t = trades_[static_cast<std::size_t>(index.row())];
    const bool sell = t.side == TradeSide::Sell;
    if (role == kSortRole) {
        switch (index.column()) {
        case Date: // the order made, which is also the order of dates
            return index.row();
        case Share:
            return t.name.toQString();
        case Action:
            return sell ? 1 : 0;
        case Quantity:
            return t.quantity;
        case Price:
            return t.price;
        case Total:
            return t.total;
        case CashAfter:
            return t.cashAfter;
        case Player:
            return playerName(t);
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole)
        return index.column() >= Quantity ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                          : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case Date:
        return dateWords(t.date);
    case Share:
        return t.name.toQString();
    case Action:
        return sell ? QStringLiteral("Sell") : QStringLiteral("Buy");
    case Quantity:
        return QString::number(t.quantity);
    case Price:
        return penceText(t.price);
    case Total:
        return signedPounds(t.total);
    case CashAfter:
        return signedPounds(t.cashAfter);
    case Player:
        return playerName(t);
    default:
        return {};
    }
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kTitles[ColumnCount] = {"Date",  "Share", "Buy or sell", "Quantity",
                                                     "Price", "Total", "Cash after",  "Player"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(kTitles[section])
                                                 : QVariant();
}

} // namespace quotara
