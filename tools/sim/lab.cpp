#include "lab.h"

#include "state/money.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

namespace quotara::sim {
namespace {

// 10 % of the runs made at most this: nearest rank in the sorted profits.
std::int64_t percentile(const std::vector<std::int64_t>& sorted, int percent) {
    const auto n = static_cast<std::int64_t>(sorted.size());
    const std::int64_t rank = (percent * n + 99) / 100;
    return sorted[static_cast<std::size_t>(std::clamp<std::int64_t>(rank - 1, 0, n - 1))];
}

QString percentText(double v) {
    return QString::number(v, 'f', 1);
}

// A robot game with the lab's news table.
std::unique_ptr<RobotGame> newGame(const LabSetup& setup) {
    auto game = std::make_unique<RobotGame>();
    if (setup.news) game->state().newsitems = setup.news->newsitems;
    return game;
}

} // namespace

std::uint32_t runClock(std::uint32_t seedClock, int run) {
    return static_cast<std::uint32_t>(
        (std::uint64_t{seedClock} + std::uint64_t(run) * kRunSpacingMs) % SteppingClock::kMsPerDay);
}

CellSummary summarise(const std::vector<RunResult>& runs) {
    CellSummary c;
    c.runs = static_cast<int>(runs.size());
    if (runs.empty()) return c;
    std::vector<std::int64_t> profits;
    profits.reserve(runs.size());
    double sum = 0;
    for (const RunResult& r : runs) {
        c.wins += r.won ? 1 : 0;
        c.refusals += r.refusals;
        profits.push_back(r.profit);
        sum += static_cast<double>(r.profit);
    }
    std::sort(profits.begin(), profits.end());
    c.winPercent = 100.0 * c.wins / c.runs;
    c.meanProfit = sum / c.runs;
    c.p10 = percentile(profits, 10);
    c.p50 = percentile(profits, 50);
    c.p90 = percentile(profits, 90);
    c.days = runs.front().days;
    return c;
}

std::vector<RunResult> playRuns(const LabSetup& setup, const LevelPlan& plan,
                                std::string_view strategy, int runs,
                                RunObserver* firstRunObserver) {
    auto game = newGame(setup);
    const std::unique_ptr<Robot> robot = makeRobot(strategy);
    std::vector<RunResult> results;
    for (int r = 0; r < runs && robot; ++r)
        results.push_back(game->play(plan, *robot, runClock(setup.seedClock, r),
                                     r == 0 ? firstRunObserver : nullptr));
    return results;
}

LabTable playTable(const LabSetup& setup, std::vector<LevelPlan> plans,
                   std::vector<std::string_view> strategies, int runs, unsigned threads,
                   const std::function<void(int, int)>& progress) {
    LabTable table{std::move(plans), std::move(strategies), runs, {}};
    const std::size_t levels = table.plans.size(), kinds = table.strategies.size();
    std::vector<std::vector<RunResult>> results(levels * kinds,
                                                std::vector<RunResult>(std::size_t(runs)));

    // Work in chunks of runs, longest levels first, so no thread is left with a long tail.
    constexpr int kChunk = 10;
    struct Task {
        std::size_t cell;
        int first, last;
    };
    std::vector<Task> tasks;
    std::vector<std::size_t> order(levels);
    for (std::size_t l = 0; l < levels; ++l)
        order[l] = l;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return table.plans[a].endmonth * 32 + table.plans[a].endday >
               table.plans[b].endmonth * 32 + table.plans[b].endday;
    });
    for (std::size_t l : order)
        for (std::size_t k = 0; k < kinds; ++k)
            for (int first = 0; first < runs; first += kChunk)
                tasks.push_back({l * kinds + k, first, std::min(runs, first + kChunk)});

    std::atomic<std::size_t> next{0};
    std::atomic<int> done{0};
    const auto work = [&] {
        auto game = newGame(setup);
        std::vector<std::unique_ptr<Robot>> robots;
        for (std::string_view name : table.strategies)
            robots.push_back(makeRobot(name));
        for (std::size_t t; (t = next.fetch_add(1)) < tasks.size();) {
            const Task& task = tasks[t];
            const LevelPlan& plan = table.plans[task.cell / kinds];
            Robot* robot = robots[task.cell % kinds].get();
            for (int r = task.first; r < task.last && robot; ++r)
                results[task.cell][std::size_t(r)] =
                    game->play(plan, *robot, runClock(setup.seedClock, r));
            done += task.last - task.first;
        }
    };
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    // With progress to show, this thread only reports (it mostly sleeps); otherwise it plays.
    std::vector<std::thread> pool;
    for (unsigned i = progress ? 0 : 1; i < threads; ++i)
        pool.emplace_back(work);
    if (progress) {
        const int total = static_cast<int>(levels * kinds) * runs;
        for (; done < total; std::this_thread::sleep_for(std::chrono::milliseconds(100)))
            progress(done, total);
        progress(total, total);
    } else {
        work();
    }
    for (std::thread& t : pool)
        t.join();

    table.cells.resize(levels);
    for (std::size_t l = 0; l < levels; ++l)
        for (std::size_t k = 0; k < kinds; ++k)
            table.cells[l].push_back(summarise(results[l * kinds + k]));
    return table;
}

QString tableText(const LabTable& table, std::uint32_t seedClock) {
    int nameWidth = 5;
    for (const LevelPlan& p : table.plans)
        nameWidth = std::max(nameWidth, int(p.name.size()));
    std::vector<int> widths;
    for (std::string_view s : table.strategies)
        widths.push_back(std::max(7, int(s.size()) + 1));

    const auto header = [&](const QString& extra) {
        QString h = QStringLiteral("Level").leftJustified(nameWidth) + extra;
        for (std::size_t k = 0; k < widths.size(); ++k)
            h += QString::fromLatin1(table.strategies[k]).rightJustified(widths[k]);
        return h + QLatin1Char('\n');
    };
    QString t = QStringLiteral("Levels won, in percent of %1 runs each (clock %2 onwards)\n\n")
                    .arg(table.runs)
                    .arg(seedClock);
    t += header(QStringLiteral("    Money   Target  Days"));
    for (std::size_t l = 0; l < table.plans.size(); ++l) {
        const LevelPlan& p = table.plans[l];
        t += p.name.leftJustified(nameWidth) + poundsText(p.money).rightJustified(9) +
             poundsText(p.target).rightJustified(9) +
             QString::number(table.cells[l].empty() ? 0 : table.cells[l][0].days).rightJustified(6);
        for (std::size_t k = 0; k < widths.size(); ++k)
            t += percentText(table.cells[l][k].winPercent).rightJustified(widths[k]);
        t += QLatin1Char('\n');
    }
    t += QStringLiteral("\nMedian profit in pounds\n\n") + header(QString());
    for (std::size_t l = 0; l < table.plans.size(); ++l) {
        t += table.plans[l].name.leftJustified(nameWidth);
        for (std::size_t k = 0; k < widths.size(); ++k)
            t += QString::number(table.cells[l][k].p50).rightJustified(widths[k]);
        t += QLatin1Char('\n');
    }
    return t;
}

QString summaryCsvHeader() {
    return QStringLiteral("level,strategy,runs,wins,winpercent,meanprofit,profit10,profit50,"
                          "profit90,days,refused");
}

QString summaryCsvLine(const QString& level, std::string_view strategy, const CellSummary& c) {
    QStringList f;
    f << level << QString::fromLatin1(strategy) << QString::number(c.runs)
      << QString::number(c.wins) << percentText(c.winPercent)
      << QString::number(std::llround(c.meanProfit)) << QString::number(c.p10)
      << QString::number(c.p50) << QString::number(c.p90) << QString::number(c.days)
      << QString::number(c.refusals);
    return f.join(QLatin1Char(','));
}

QString tableCsv(const LabTable& table) {
    QString t = summaryCsvHeader() + QLatin1Char('\n');
    for (std::size_t l = 0; l < table.plans.size(); ++l)
        for (std::size_t k = 0; k < table.strategies.size(); ++k)
            t += summaryCsvLine(table.plans[l].name, table.strategies[k], table.cells[l][k]) +
                 QLatin1Char('\n');
    return t;
}

} // namespace quotara::sim
