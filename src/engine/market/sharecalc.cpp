#include "market/sharecalc.h"

#include "state/money.h"

#include <algorithm>

namespace quotara {
namespace {

// 100 x change is an integer product; the division is in floating point.
double percentOf(std::int32_t change, std::int32_t index) {
    if (index == 0) return 0.0;
    return static_cast<double>(100 * change) / index;
}

// A news file may hold any 32-bit effect; only the five grades count, as for the Water byte.
int affectOf(const GameState& s, int item, int effect) {
    if (item < 1 || item > kNewsCount) return 0;
    const std::int32_t a = s.newsitems[item].affect[effect];
    return a >= -2 && a <= 2 ? a : 0;
}

} // namespace

double marketFactor(const GameState& s) {
    return percentOf(s.dowchange, s.dow) * 0.5 + percentOf(s.hangchange, s.hangseng) * 0.25;
}

int newsScore(const GameState& s, int effect) {
    if (effect < 0 || effect > Tnewsitem::kSectors) return 0;
    int score = 0;
    if (s.headlines1.hasNumber()) score += affectOf(s, s.headlines1.number, effect);
    if (s.headlines2.hasNumber()) score += affectOf(s, s.headlines2.number, effect);
    if (s.headlines4.hasNumber() && s.headline4days > 0)
        score += affectOf(s, s.headlines4.number, effect);
    return score;
}

double newsEffect(int score) {
    if (score == -8) return -5.0;
    if (score == 8) return 5.0;
    if (score <= -6) return -3.0;
    if (score <= -4) return -2.0;
    if (score <= -2) return -1.0;
    if (score == -1) return -0.5;
    if (score == 0) return 0.0;
    if (score == 1) return 0.5;
    if (score <= 3) return 1.0;
    if (score <= 5) return 2.0;
    return 3.0;
}

void sharecalc(Game& game, int i) {
    sharecalc(game, i, marketFactor(game.state), sectorNews(game.state));
}

SectorNews sectorNews(const GameState& s) {
    SectorNews news{};
    // Most days of a long game have no headline in force: no sector moves on news.
    if (!s.headlines1.hasNumber() && !s.headlines2.hasNumber() &&
        !(s.headlines4.hasNumber() && s.headline4days > 0))
        return news;
    for (int sector = 1; sector <= Tnewsitem::kSectors; ++sector)
        news[std::size_t(sector)] = newsEffect(newsScore(s, sector));
    return news;
}

void sharecalc(Game& game, int i, double marketfactor, const SectorNews& news) {
    Tshare& share = game.state.shares[i];
    const std::int64_t p = share.price;

    const bool hasSector = share.sector >= 1 && share.sector <= Tnewsitem::kSectors;
    const double newseffect = hasSector ? news[share.sector] : 0.0;
    const double factor = marketfactor + newseffect;

    const std::int64_t base = roundHalfEven(factor * p * 0.01 + p);
    const std::int64_t noise = game.random(static_cast<std::uint32_t>(roundHalfEven(4 * p * 0.01)));
    const std::int64_t drag = roundHalfEven(p * 1.8 * 0.01);
    std::int64_t next = noise + base - drag;
    if (next < 150) next = next + game.random(6) - 2;

    // The record holds 16 bits: long games compound prices up to the top.
    share.price = static_cast<std::uint16_t>(std::clamp<std::int64_t>(next, 0, 65535));
    share.change = static_cast<std::int32_t>(share.price - p);
    if (share.price > share.high) share.high = share.price;
    if (share.price < share.low) share.low = share.price;
}

} // namespace quotara
