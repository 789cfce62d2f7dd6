#include "play/hallmodel.h"

#include "state/money.h"

#include <QLocale>

namespace quotara {

void HallModel::setList(const std::vector<FameEntry>& entries, bool twoPlayer) {
    beginResetModel();
    entries_ = entries;
    twoPlayer_ = twoPlayer;
    endResetModel();
}

int HallModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int HallModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return twoPlayer_ ? ColumnCount : Against;
}

QVariant HallModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const FameEntry& e = entries_[static_cast<std::size_t>(index.row())];
    if (role == kSortRole) {
        switch (index.column()) {
        case Place:
            return index.row();
        case Name:
            return e.name.toLower();
        case Worth:
            return qlonglong(e.worth);
        case Profit:
            return qlonglong(e.profit);
        case Won:
            return e.won.isValid() ? e.won.toJulianDay() : qint64(0);
        case Days:
            return e.days;
        case Against:
            return e.opponent.toLower();
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole) {
        const bool figure = index.column() == Place || index.column() == Worth ||
                            index.column() == Profit || index.column() == Days;
        return figure ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                      : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case Place:
        return QString::number(index.row() + 1);
    case Name:
        return e.name;
    case Worth:
        return signedPounds(e.worth);
    case Profit:
        return signedPounds(e.profit);
    case Won:
        return e.won.isValid() ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                     .toString(e.won, "d MMMM yyyy")
                               : QString();
    case Days:
        return QString::number(e.days);
    case Against:
        return e.opponent;
    default:
        return {};
    }
}

QVariant HallModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case Place:
        return QStringLiteral("Place");
    case Name:
        return twoPlayer_ ? QStringLiteral("Winner") : QStringLiteral("Player");
    case Worth:
        return QStringLiteral("Worth");
    case Profit:
        return QStringLiteral("Profit");
    case Won:
        return QStringLiteral("Won on");
    case Days:
        return QStringLiteral("Days");
    case Against:
        return QStringLiteral("Against");
    default:
        return {};
    }
}

} // namespace quotara
