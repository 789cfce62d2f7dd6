// What the autosave adds to End Day on this machine's disk. Each round ends one day without
// the autosave and one day with it (the Session's End Day, which hands the game to the
// autosave's own thread), so a busy machine slows both alike; then it waits for the files to
// be written, so no write overlaps the next round. Reports the median and 95th percentile of
// each, of the paired difference (autosave_p95_ms: 2 at most) and of the write itself, which
// the player never waits for.

#include "play/endofday.h"
#include "play/session.h"
#include "state/game.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using namespace quotara;
using Steady = std::chrono::steady_clock;

class TickingClock final : public Clock {
  public:
    std::uint32_t msOfDay() override { return now_ = (now_ + 37) % 86'400'000u; }

  private:
    std::uint32_t now_ = 12'345'678;
};

double ms(Steady::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size() - 1) + 0.5))];
}

void BM_EndDayWithAndWithoutAutosave(benchmark::State& st) {
    // On the disk the game uses, beside the player's own folder, not in a memory-backed /tmp.
    QTemporaryDir tmp(qEnvironmentVariable("QUOTARA_BENCH_DIR", QDir::homePath()) +
                      QStringLiteral("/.quotara-autosave-bench-XXXXXX"));
    TickingClock clock;
    SilentMessages messages;
    auto game = std::make_unique<Game>(clock, messages, DataFolder(tmp.path()));
    NoSessionViews views;
    NoDayViews day;
    Session session(*game, views);
    session.startUp();
    session.autosaveInBackground();
    session.choose([&session](GameState& s) { freeplay(session.newGame(), s); });
    session.start({QStringLiteral("Bench"), {}, {}});

    std::vector<double> plain, with, added, write;
    for (auto _ : st) {
        auto t0 = Steady::now();
        endofday(*game, day);
        auto t1 = Steady::now();
        session.endDay(day);
        auto t2 = Steady::now();
        if (!session.finishAutosave()) st.SkipWithError("the autosave failed");
        auto t3 = Steady::now();
        plain.push_back(ms(t1 - t0));
        with.push_back(ms(t2 - t1));
        added.push_back(ms(t2 - t1) - ms(t1 - t0));
        write.push_back(ms(t3 - t2));
        // A new year before the price history's 1000 days run out.
        if (game->state.daycount > 300) {
            session.choose([&session](GameState& s) { freeplay(session.newGame(), s); });
            session.start({QStringLiteral("Bench"), {}, {}});
        }
    }
    st.counters["endday_p50_ms"] = percentile(plain, 0.5);
    st.counters["endday_p95_ms"] = percentile(plain, 0.95);
    st.counters["with_autosave_p50_ms"] = percentile(with, 0.5);
    st.counters["with_autosave_p95_ms"] = percentile(with, 0.95);
    st.counters["autosave_p50_ms"] = percentile(added, 0.5);
    st.counters["autosave_p95_ms"] = percentile(added, 0.95);
    st.counters["write_p50_ms"] = percentile(write, 0.5);
    st.counters["write_p95_ms"] = percentile(write, 0.95);
}
BENCHMARK(BM_EndDayWithAndWithoutAutosave)->Iterations(400)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
