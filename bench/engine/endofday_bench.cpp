// One End Day of the engine: the indices, 20 shares, the closing prices and the headline draw,
// with no windows and no message boxes.

#include "play/endofday.h"
#include "play/startup.h"
#include "state/game.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace quotara;

struct Bench {
    SteppingClock clock{12'345'715, 37}; // a day ended every 37 ms
    SilentMessages messages;
    Game game{clock, messages, DataFolder::none()};
    NoDayViews views;
    Bench() {
        GameState& s = game.state;
        for (int n = 1; n <= kNewsCount; ++n) {
            s.newsitems[n].text.assign(
                QStringLiteral("Headline number %1 moves the market a little").arg(n));
            for (int e = 0; e <= Tnewsitem::kSectors; ++e)
                s.newsitems[n].affect[e] = (n + e) % 5 - 2;
        }
        startFreePlay(s);
        game.random.reseed(clock);
    }
};

// A long free-play game: after a month every draw runs all 80 attempts in vain.
void BM_EndDay(benchmark::State& st) {
    auto b = std::make_unique<Bench>();
    for (auto _ : st)
        benchmark::DoNotOptimize(endofday(b->game, b->views));
}
BENCHMARK(BM_EndDay);

// News always at hand: the used flags are cleared every 29 days, as a new game would.
void BM_EndDayFreshNews(benchmark::State& st) {
    auto b = std::make_unique<Bench>();
    int day = 0;
    for (auto _ : st) {
        if (++day % 29 == 0)
            for (auto& item : b->game.state.newsitems)
                item.used = 0;
        benchmark::DoNotOptimize(endofday(b->game, b->views));
    }
}
BENCHMARK(BM_EndDayFreshNews);

} // namespace

BENCHMARK_MAIN();
