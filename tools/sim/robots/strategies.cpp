#include "robots/strategies.h"

#include "market/sharecalc.h"

#include <algorithm>
#include <vector>

namespace quotara {

void HoldRobot::trade(Broker& broker) {
    for (int i = 0; i < kShareCount; ++i)
        if (broker.state().shares[i].owned > 0) return;
    std::array<int, kShareCount> all{};
    for (int i = 0; i < kShareCount; ++i)
        all[i] = i;
    broker.buyEvenly(all);
}

void RandomRobot::trade(Broker& broker) {
    Random& random = broker.random();
    const std::uint32_t action = random(3);
    const int i = static_cast<int>(random(kShareCount));
    if (action == 1) {
        const std::int64_t most = broker.affordable(i) / 2;
        if (most > 0) broker.buy(i, 1 + random(static_cast<std::uint32_t>(most)));
    } else if (action == 2) {
        const std::int32_t owned = broker.state().shares[i].owned;
        if (owned > 0) broker.sell(i, 1 + random(static_cast<std::uint32_t>(owned)));
    }
}

void MomentumRobot::trade(Broker& broker) {
    const GameState& s = broker.state();
    std::vector<int> risers;
    for (int i = 0; i < kShareCount; ++i) {
        if (s.shares[i].change < 0) broker.sellAll(i);
        if (s.shares[i].change > 0) risers.push_back(i);
    }
    // The rise as a part of the price before it: change / (price - change).
    const auto rise = [&s](int i) {
        const Tshare& share = s.shares[i];
        const double before = share.price - share.change;
        return before > 0 ? share.change / before : 0.0;
    };
    std::stable_sort(risers.begin(), risers.end(), [&](int a, int b) { return rise(a) > rise(b); });
    if (risers.size() > kPicks) risers.resize(kPicks);
    broker.buyEvenly(risers);
}

void NewsRobot::trade(Broker& broker) {
    const GameState& s = broker.state();
    std::array<int, kShareCount> score{};
    int best = kFavoured;
    for (int i = 0; i < kShareCount; ++i) {
        score[i] = newsScore(s, s.shares[i].sector);
        if (score[i] < 0) broker.sellAll(i);
        best = std::max(best, score[i]);
    }
    std::vector<int> favoured;
    for (int i = 0; i < kShareCount; ++i)
        if (score[i] == best) favoured.push_back(i);
    broker.buyEvenly(favoured);
}

std::unique_ptr<Robot> makeRobot(std::string_view name) {
    if (name == "idle") return std::make_unique<IdleRobot>();
    if (name == "hold") return std::make_unique<HoldRobot>();
    if (name == "random") return std::make_unique<RandomRobot>();
    if (name == "momentum") return std::make_unique<MomentumRobot>();
    if (name == "news") return std::make_unique<NewsRobot>();
    return nullptr;
}

} // namespace quotara
