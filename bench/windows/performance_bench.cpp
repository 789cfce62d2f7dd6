// The Performance window's costs: a year's worth curve drawn, a 1,000-row journal filled, and
// what keeping the record adds to End Day (compare BM_RecordDay with endofday_bench's
// BM_EndDay).

#include "play/record.h"
#include "state/gamestate.h"
#include "trading/journalmodel.h"
#include "trading/performance.h"
#include "windows/trading/worthgraphview.h"

#include <QApplication>
#include <QImage>
#include <QSortFilterProxyModel>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace quotara;

std::unique_ptr<GameState> yearPlayed() {
    auto s = std::make_unique<GameState>();
    s->startmoney = s->money = 15000;
    s->target = 20000;
    s->endday = 31;
    s->endmonth = 12;
    for (int d = 0; d < 365; ++d) {
        const std::uint8_t month = static_cast<std::uint8_t>(1 + d / 31 % 12);
        const std::uint8_t day = static_cast<std::uint8_t>(1 + d % 28);
        s->record.days.push_back({{day, month, 1999}, 5000, 10000 + (d * 37) % 900, 0});
        s->record.days.back().worth = 5000 + s->record.days.back().holdings;
    }
    return s;
}

void BM_WorthCurve365(benchmark::State& st) {
    const auto s = yearPlayed();
    WorthGraphView view;
    view.resize(600, 240);
    QImage image(view.size(), QImage::Format_RGB32);
    for (auto _ : st) {
        view.showRecord(*s);
        view.render(&image);
    }
}
BENCHMARK(BM_WorthCurve365)->Unit(benchmark::kMicrosecond);

void BM_Journal1000(benchmark::State& st) {
    std::vector<TradeEntry> trades(1000);
    for (int i = 0; i < 1000; ++i)
        trades[std::size_t(i)] = {{1, 1, 1999}, 3, {}, TradeSide::Buy, i + 1, 250, i, 15000 - i};
    for (auto _ : st) {
        st.PauseTiming();
        JournalModel model;
        QSortFilterProxyModel sorted;
        sorted.setSourceModel(&model);
        sorted.setSortRole(JournalModel::kSortRole);
        QTableView view;
        view.resize(600, 300);
        view.setModel(&sorted);
        view.setSortingEnabled(true);
        QImage image(view.size(), QImage::Format_RGB32);
        st.ResumeTiming();
        model.setTrades(trades);
        view.render(&image);
    }
}
BENCHMARK(BM_Journal1000)->Unit(benchmark::kMicrosecond);

// The record's part of End Day: today's position added.
void BM_RecordDay(benchmark::State& st) {
    auto s = std::make_unique<GameState>();
    s->money = 15000;
    for (int i = 0; i < kShareCount; ++i)
        s->shares[std::size_t(i)].owned = 100, s->shares[std::size_t(i)].price = 250;
    s->day = s->month = 1;
    s->year = 1999;
    for (auto _ : st) {
        s->day = static_cast<std::uint8_t>(s->day % 28 + 1); // a new day each time
        recordDay(*s);
    }
}
BENCHMARK(BM_RecordDay);

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
