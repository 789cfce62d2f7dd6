// The balance lab's speed: robot runs per second, alone and as the whole table on every core,
// and the free-play simulator's time per day with its CSV.

#include "lab.h"
#include "sim.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace quotara;
using namespace quotara::sim;

std::unique_ptr<GameState> shippedNews() {
    auto news = std::make_unique<GameState>();
    loadNews(*news, Options{}, stderr);
    return news;
}

// One robot playing Level 3 (90 End Days) over and over.
void BM_LevelRun(benchmark::State& st) {
    const auto news = shippedNews();
    const std::string_view strategy = kRobotNames[std::size_t(st.range(0))];
    const LevelPlan plan = levelPlans()[2];
    RobotGame game;
    game.state().newsitems = news->newsitems;
    const auto robot = makeRobot(strategy);
    std::uint32_t clock = 0;
    for (auto _ : st)
        benchmark::DoNotOptimize(game.play(plan, *robot, clock += kRunSpacingMs));
    st.SetLabel(std::string(strategy));
    st.SetItemsProcessed(st.iterations()); // runs
}
BENCHMARK(BM_LevelRun)->DenseRange(0, int(kRobotNames.size()) - 1)->Unit(benchmark::kMicrosecond);

// The whole table, 15 levels by every strategy, 200 runs per cell on all cores.
void BM_Table(benchmark::State& st) {
    const auto news = shippedNews();
    const int runs = int(st.range(0));
    for (auto _ : st)
        benchmark::DoNotOptimize(playTable({43'200'000, news.get()}, levelPlans(),
                                           {kRobotNames.begin(), kRobotNames.end()}, runs));
    st.SetItemsProcessed(st.iterations() * 15 * std::int64_t(kRobotNames.size()) * runs);
}
BENCHMARK(BM_Table)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// quotara-sim's free play: End Day and the CSV line, per day.
void BM_SimulatorDay(benchmark::State& st) {
    std::FILE* sink = std::fopen("/dev/null", "w");
    const QStringList args = {"--days", "20000", "--clock-ms", "1000", "--clock-step-ms", "7"};
    for (auto _ : st)
        benchmark::DoNotOptimize(simMain(args, sink, stderr));
    std::fclose(sink);
    st.SetItemsProcessed(st.iterations() * 20000); // days
}
BENCHMARK(BM_SimulatorDay)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
