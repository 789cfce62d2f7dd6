#include "state/money.h"

namespace quotara {

QString changeText(std::int64_t change) {
    return change < 0 ? QString::number(change) : QStringLiteral("+") + QString::number(change);
}

QString poundsText(std::int64_t pounds) {
    return QStringLiteral("£") + QString::number(pounds);
}

QString signedPounds(std::int64_t pounds) {
    return pounds < 0
               ? QStringLiteral("-£") + QString::number(0 - static_cast<std::uint64_t>(pounds))
               : poundsText(pounds);
}

QString penceText(std::int64_t pence) {
    return QString::number(pence) + QStringLiteral("p");
}

} // namespace quotara
