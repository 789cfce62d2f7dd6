#include "robots/broker.h"

#include "play/record.h"
#include "trading/spread.h"
#include "trading/trade.h"

#include <algorithm>

namespace quotara {

std::int64_t Broker::affordable(int share) const {
    return affordableShares(game_.state, share);
}

bool Broker::buy(int share, std::int64_t n) {
    return press(kBuyCaption, share, n);
}

bool Broker::sell(int share, std::int64_t n) {
    return press(kSellCaption, share, n);
}

void Broker::sellAll(int share) {
    const std::int32_t owned = game_.state.shares.at(share).owned;
    if (owned > 0) sell(share, owned);
}

void Broker::buyEvenly(std::span<const int> shares) {
    for (std::size_t k = 0; k < shares.size(); ++k) {
        const int i = shares[k];
        const int price = game_.state.shares.at(i).price;
        const std::int64_t buyPrice = price + spread(price);
        if (buyPrice <= 0) continue;
        // An equal part of what is left, so rounding on one share does not starve the last.
        const std::int64_t budget =
            std::int64_t{game_.state.money} / static_cast<std::int64_t>(shares.size() - k);
        const std::int64_t n = std::min(affordable(i), budget * 100 / buyPrice);
        if (n > 0) buy(i, n);
    }
}

void Broker::resetCounts() {
    trades_ = refusals_ = silentRefusals_ = 0;
    lastRefusal_.clear();
}

bool Broker::press(const QString& caption, int share, std::int64_t n) {
    const int shownBefore = messages_.shown;
    const TradeOutcome outcome = tradeOk(game_, caption, share, QString::number(n));
    if (outcome.completed) {
        ++trades_;
        return true;
    }
    ++refusals_;
    if (messages_.shown == shownBefore)
        ++silentRefusals_;
    else
        lastRefusal_ = messages_.last;
    return false;
}

} // namespace quotara
