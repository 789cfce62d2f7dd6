#pragma once
// The balance lab: robots play the levels many times over, and the wins and profits tell a
// designer which levels can be won and by what play.

#include "robots/robotgame.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string_view>
#include <vector>

namespace quotara::sim {

constexpr int kMostRuns = 100'000; // --runs

// Run r's clock starts this much later than run r - 1's: a little over 16 minutes.
constexpr std::uint32_t kRunSpacingMs = 1'000'003;

// The first clock read of run 0, 1, 2 ... from the seed clock, in ms of the day.
std::uint32_t runClock(std::uint32_t seedClock, int run);

struct CellSummary {
    int runs = 0, wins = 0;
    double winPercent = 0;
    double meanProfit = 0;                  // pounds
    std::int64_t p10 = 0, p50 = 0, p90 = 0; // pounds: 10, 50 and 90 % of runs made at most this
    int days = 0;                           // End Days of the first run
    int refusals = 0;                       // trades the game refused, over all runs
};

CellSummary summarise(const std::vector<RunResult>& runs);

// Where the robots play: the clocks, and the news table to play with.
struct LabSetup {
    std::uint32_t seedClock = 0;
    const GameState* news = nullptr; // its news items are copied into every game
};

// Every run of one level with one strategy, in run order.
std::vector<RunResult> playRuns(const LabSetup& setup, const LevelPlan& plan,
                                std::string_view strategy, int runs,
                                RunObserver* firstRunObserver = nullptr);

// cells[level][strategy], strategies in the order given.
struct LabTable {
    std::vector<LevelPlan> plans;
    std::vector<std::string_view> strategies;
    int runs = 0;
    std::vector<std::vector<CellSummary>> cells;
};

// Plays runs of every plan with every strategy, spread over `threads` threads (0: one per core).
// progress(done, total) is called from the calling thread now and then while they run.
LabTable playTable(const LabSetup& setup, std::vector<LevelPlan> plans,
                   std::vector<std::string_view> strategies, int runs, unsigned threads = 0,
                   const std::function<void(int, int)>& progress = {});

// Texts for a table: aligned for reading, or CSV with one line per cell.
QString tableText(const LabTable& table, std::uint32_t seedClock);
QString tableCsv(const LabTable& table);
// The CSV header of tableCsv, also used for the summary of one level.
QString summaryCsvHeader();
QString summaryCsvLine(const QString& level, std::string_view strategy, const CellSummary& c);

struct Options;

// The lab's part of quotara-sim: --level and --levels. Returns an exit code.
int runLab(const Options& options, std::FILE* out, std::FILE* err);
// --two-player: two robots play one game to its deadline; both results and the verdict.
int runTwoPlayer(const Options& options, std::FILE* out, std::FILE* err);

} // namespace quotara::sim
