#include "market/indices.h"

#include "market/sharecalc.h"
#include "state/money.h"

#include <algorithm>
#include <limits>

namespace quotara {
namespace {

// One band of a random index move: Random(width) - lean.
struct Band {
    std::uint32_t width;
    std::int32_t lean;
};

// k = 0 is the wide swing, 1..6, 7..16 and 17..19 the others.
std::int32_t drawMove(Random& random, const Band (&bands)[4]) {
    const auto k = random(20);
    const Band& b = k == 0 ? bands[0] : k <= 6 ? bands[1] : k <= 16 ? bands[2] : bands[3];
    return static_cast<std::int32_t>(random(b.width)) - b.lean;
}

// An index stays within 0..2^31 - 1 points: one that wrapped would fall to 0 for good.
void move(std::int32_t& index, std::int32_t& change, std::int64_t next) {
    next = std::clamp<std::int64_t>(next, 0, std::numeric_limits<std::int32_t>::max());
    change = static_cast<std::int32_t>(next - index);
    index = static_cast<std::int32_t>(next);
}

} // namespace

void dowStep(Game& game) {
    static constexpr Band kBands[4] = {{450, 200}, {55, 25}, {150, 70}, {280, 130}};
    GameState& s = game.state;
    const std::int32_t drawn = drawMove(game.random, kBands);
    move(s.dow, s.dowchange, std::int64_t{s.dow} + drawn);
}

void hangsengStep(Game& game) {
    static constexpr Band kBands[4] = {{900, 400}, {110, 50}, {300, 140}, {560, 260}};
    GameState& s = game.state;
    const std::int32_t drawn = drawMove(game.random, kBands);
    move(s.hangseng, s.hangchange, std::int64_t{s.hangseng} + drawn);
}

void ftseStep(Game& game) {
    GameState& s = game.state;
    const std::int64_t f = s.ftse;
    double factor = marketFactor(s);
    factor = factor + newsEffect(newsScore(s, 0));
    const std::int64_t base = roundHalfEven(factor * f * 0.01 + f);
    const std::int64_t noise = game.random(static_cast<std::uint32_t>(roundHalfEven(2 * f * 0.01)));
    const std::int64_t drag = roundHalfEven(f * 0.9 * 0.01);
    move(s.ftse, s.ftsechange, base + noise - drag);
}

} // namespace quotara
