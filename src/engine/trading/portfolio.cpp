#include "trading/portfolio.h"

namespace quotara {

std::int64_t holdingValue(const Tshare& share) {
    // Most shares of most days are not held.
    if (share.owned == 0) return 0;
    return poundsRound(std::int64_t{share.owned} * share.price);
}

std::int64_t totalWorth(const GameState& state) {
    std::int64_t worth = state.money;
    for (int i = 0; i < kShareCount; ++i)
        worth += holdingValue(state.shares[i]);
    return worth;
}

PortfolioFigures portfolioFigures(const GameState& state) {
    PortfolioFigures f;
    // Sums are 64-bit so that large holdings never wrap into a wrong total.
    std::int64_t cost = 0, gain = 0, value = 0;
    for (int i = 0; i < kShareCount; ++i) {
        const Tshare& s = state.shares[i];
        const std::int64_t v = holdingValue(s);
        cost += s.cost;
        value += v;
        if (s.owned <= 0) continue;
        gain += v - s.cost;
        PortfolioRow& row = f.rows.emplace_back();
        row.name = s.name.toQString();
        row.owned = QString::number(s.owned);
        row.cost = QString::number(roundDiv(std::int64_t{s.cost} * 100, s.owned));
        row.value = poundsText(v);
        row.price = penceText(s.price);
        row.profit = poundsText(v - s.cost);
        row.profitTone = toneOf(v - s.cost);
    }
    f.total = poundsText(state.money + value);
    f.cost = poundsText(cost);
    f.profit = poundsText(gain);
    f.profitTone = toneOf(gain);
    return f;
}

} // namespace quotara
