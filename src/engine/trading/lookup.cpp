#include "trading/lookup.h"

#include "state/sharetable.h"
#include "trading/spread.h"

namespace quotara {

LookupFigures lookupFigures(const GameState& state, int share) {
    const Tshare& s = state.shares.at(share);
    LookupFigures f;
    f.low = QString::number(s.low);
    f.high = QString::number(s.high);
    f.price = penceText(s.price);
    f.change = changeText(s.change);
    f.changeTone = toneOf(s.change);
    f.owned = QString::number(s.owned) + QStringLiteral(" shares");
    f.sellEnabled = s.owned != 0;
    if (s.owned <= 0) {
        f.cost = f.value = QStringLiteral("N/A");
    } else {
        // 64-bit products: a large holding must not wrap into a negative figure.
        f.cost = penceText(std::int64_t{s.cost} * 100 / s.owned);
        f.value = poundsText(poundsTrunc(std::int64_t{s.price} * s.owned));
    }
    if (s.sector >= 1 && s.sector <= 12) f.sector = sectorName(s.sector);
    const int sp = spread(s.price);
    f.buyprice = penceText(s.price + sp);
    f.sellprice = penceText(s.price - sp);
    return f;
}

} // namespace quotara
