#include "state/money.h"

namespace quotara {

std::int64_t roundDiv(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den; // towards zero
    const std::int64_t r = num % den;
    const std::int64_t twice = 2 * (r < 0 ? -r : r);
    if (twice > den || (twice == den && (q % 2 != 0))) q += (num < 0) ? -1 : 1;
    return q;
}

QString changeText(std::int64_t change) {
    return change < 0 ? QString::number(change) : QStringLiteral("+") + QString::number(change);
}

QString poundsText(std::int64_t pounds) {
    return QStringLiteral("£") + QString::number(pounds);
}

QString penceText(std::int64_t pence) {
    return QString::number(pence) + QStringLiteral("p");
}

} // namespace quotara
