// The balance lab: robots' tables, the lab's command line and the pictures.

#include "lab.h"
#include "sim.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

using namespace quotara;
using namespace quotara::sim;

namespace {

std::vector<std::string_view> allStrategies() {
    return {kRobotNames.begin(), kRobotNames.end()};
}

// A news table whose items move sectors both ways, like the shipped one.
struct News {
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    News() {
        for (int n = 1; n <= kNewsCount; ++n) {
            if (n <= 68) state->newsitems[n].text.assign(QStringLiteral("Item %1").arg(n));
            for (int e = 0; e <= Tnewsitem::kSectors; ++e)
                state->newsitems[n].affect[e] = static_cast<std::int8_t>((n + 2 * e) % 5 - 2);
        }
    }
};

bool sameCells(const LabTable& a, const LabTable& b) {
    for (std::size_t l = 0; l < a.cells.size(); ++l)
        for (std::size_t k = 0; k < a.cells[l].size(); ++k) {
            const CellSummary &x = a.cells[l][k], &y = b.cells[l][k];
            if (x.wins != y.wins || x.meanProfit != y.meanProfit || x.p10 != y.p10 ||
                x.p50 != y.p50 || x.p90 != y.p90 || x.days != y.days)
                return false;
        }
    return true;
}

struct Output {
    char* buf = nullptr;
    std::size_t size = 0;
    std::FILE* file = open_memstream(&buf, &size);
    ~Output() {
        std::fclose(file);
        std::free(buf);
    }
    // What was written since the last call.
    QString take() {
        std::fflush(file);
        const std::size_t from = taken;
        taken = size;
        return QString::fromUtf8(buf + from, static_cast<qsizetype>(size - from));
    }
    std::size_t taken = 0;
};

struct LabCli : ::testing::Test {
    QTemporaryDir dir;
    Output out, err;
    int run(const QStringList& args) { return simMain(args, out.file, err.file); }
    // The program itself, for pictures: it draws them with a module it loads.
    QString programErr;
    int program(const QStringList& args) {
        QProcess sim;
        sim.start(QStringLiteral(QUOTARA_SIM), args);
        const bool done = sim.waitForFinished(300000);
        programErr = QString::fromLocal8Bit(sim.readAllStandardError());
        return done && sim.exitStatus() == QProcess::NormalExit ? sim.exitCode() : -1;
    }
    QStringList lines() {
        QStringList l = out.take().split('\n');
        if (!l.isEmpty() && l.back().isEmpty()) l.removeLast();
        return l;
    }
};

} // namespace

TEST(LabSummary, countsWinsAndTakesProfitsByNearestRank) {
    std::vector<RunResult> runs;
    for (int p = 10; p >= 1; --p) {
        RunResult& r = runs.emplace_back();
        r.profit = p * 100;
        r.won = p > 7;
        r.days = 31;
        r.refusals = p == 4 ? 2 : 0;
    }
    const CellSummary c = summarise(runs);
    EXPECT_EQ(c.runs, 10);
    EXPECT_EQ(c.wins, 3);
    EXPECT_DOUBLE_EQ(c.winPercent, 30.0);
    EXPECT_DOUBLE_EQ(c.meanProfit, 550.0);
    EXPECT_EQ(c.p10, 100);
    EXPECT_EQ(c.p50, 500);
    EXPECT_EQ(c.p90, 900);
    EXPECT_EQ(c.days, 31);
    EXPECT_EQ(c.refusals, 2);
    EXPECT_EQ(summarise({}).runs, 0);
}

TEST(LabClock, eachRunStartsLaterAndWrapsAtMidnight) {
    EXPECT_EQ(runClock(500, 0), 500u);
    EXPECT_EQ(runClock(500, 2), 2'000'506u);
    EXPECT_EQ(runClock(86'399'999, 1), 1'000'002u);
}

TEST(LabTable, theSameClockGivesTheSameTableOnAnyNumberOfThreads) {
    News news;
    LabSetup setup{4'321, news.state.get()};
    std::vector<LevelPlan> plans = levelPlans();
    plans.resize(6);
    const LabTable one = playTable(setup, plans, allStrategies(), 8, 1);
    const LabTable two = playTable(setup, plans, allStrategies(), 8, 2);
    ASSERT_EQ(one.cells.size(), 6u);
    ASSERT_EQ(one.cells[0].size(), kRobotNames.size());
    EXPECT_TRUE(sameCells(one, two));
    EXPECT_EQ(tableCsv(one), tableCsv(two));
    int reports = 0, lastDone = -1, lastTotal = -1;
    const LabTable shown = playTable(setup, plans, allStrategies(), 8, 2, [&](int done, int total) {
        ++reports;
        EXPECT_GE(done, lastDone);
        lastDone = done;
        lastTotal = total;
    });
    EXPECT_TRUE(sameCells(one, shown));
    EXPECT_GE(reports, 1);
    EXPECT_EQ(lastDone, 6 * 5 * 8);
    EXPECT_EQ(lastTotal, 6 * 5 * 8);

    setup.seedClock = 4'322;
    EXPECT_FALSE(sameCells(one, playTable(setup, plans, allStrategies(), 8, 2)));
    // A row played alone is the row of the table.
    const CellSummary hold = summarise(playRuns({4'321, news.state.get()}, plans[3], "hold", 8));
    EXPECT_EQ(hold.p50, one.cells[3][1].p50);
    EXPECT_EQ(hold.wins, one.cells[3][1].wins);
}

TEST(LabTable, anImpossibleTargetIsNeverWonAndAnIdleOneAlways) {
    News news;
    LevelPlan impossible = levelPlans()[3];
    impossible.target = 100'000'000;
    LevelPlan given = levelPlans()[3];
    given.target = given.money;
    const LabTable t =
        playTable({99, news.state.get()}, {impossible, given}, allStrategies(), 10, 2);
    for (std::size_t k = 0; k < kRobotNames.size(); ++k) {
        EXPECT_EQ(t.cells[0][k].winPercent, 0.0) << kRobotNames[k];
        EXPECT_EQ(t.cells[0][k].refusals, 0) << kRobotNames[k];
        EXPECT_EQ(t.cells[0][k].days, 151);
    }
    EXPECT_EQ(t.cells[1][0].winPercent, 100.0); // idle keeps its money
    EXPECT_EQ(t.cells[1][0].p90, 0);
}

TEST_F(LabCli, levelsPrintsTheWholeTableAsTextOrCsv) {
    ASSERT_EQ(run({"--levels", "--runs", "2", "--seed-clock", "5", "--csv"}), 0)
        << err.take().toStdString();
    const QStringList csv = lines();
    ASSERT_EQ(csv.size(), 1 + 15 * 5);
    EXPECT_EQ(csv[0], summaryCsvHeader());
    EXPECT_TRUE(csv[1].startsWith("Level 1,idle,2,0,0.0,0,0,0,0,31,0")) << csv[1].toStdString();
    EXPECT_TRUE(csv[75].startsWith("Bonus Level,news,2,"));
    for (const QString& line : csv.mid(1))
        EXPECT_TRUE(line.endsWith(",0")) << "a robot's trade was refused: " << line.toStdString();

    const QString table = dir.filePath("table.txt");
    ASSERT_EQ(run({"--levels", "--seed-clock=5", "--runs=2", "--csv", table, "--news=" + table}),
              1); // no such news file yet
    EXPECT_TRUE(err.take().contains("File not found"));
    ASSERT_EQ(run({"--levels", "--seed-clock=5", "--runs=2", "--csv=" + table}), 0);
    QFile f(table);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), csv.join('\n') + '\n');

    ASSERT_EQ(run({"--levels", "--seed-clock=5", "--runs=2"}), 0);
    const QString text = out.take();
    EXPECT_TRUE(text.contains("\nLevel 14       £1500    £2000   151"));
    EXPECT_TRUE(text.contains("\nMedian profit in pounds\n"));
}

TEST_F(LabCli, levelPrintsARunPerLineOrASummary) {
    ASSERT_EQ(run({"--level", "5", "--strategy", "hold", "--runs", "3", "--seed-clock", "7"}), 0);
    QStringList l = lines();
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(l[0], "  run     clock  days     worth    profit  won  trades");
    EXPECT_TRUE(l[1].startsWith("    1         7     7    £"));
    EXPECT_TRUE(l[2].startsWith("    2   1000010     7    £"));
    EXPECT_TRUE(l[3].endsWith("     20"));

    ASSERT_EQ(run({"--level", "15", "--strategy", "idle", "--runs", "4", "--summary",
                   "--seed-clock", "7", "--csv"}),
              0);
    l = lines();
    EXPECT_EQ(l.back(), "Bonus Level,idle,4,0,0.0,0,0,0,0,234,0");

    // Level 0: free play for --days, which has no goal to win.
    ASSERT_EQ(run({"--level", "0", "--days", "20", "--strategy", "hold", "--runs", "2", "--summary",
                   "--csv"}),
              0);
    l = lines();
    EXPECT_TRUE(l.back().startsWith("Free play,hold,2,0,0.0,")) << l.back().toStdString();
    EXPECT_TRUE(l.back().endsWith(",20,0"));
    ASSERT_EQ(run({"--level", "0", "--days", "20", "--strategy", "hold", "--runs", "2", "--summary",
                   "--seed-clock", "9"}),
              0);
    l = lines();
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(l[0], "Free play played by hold: 2 runs, clock 9 onwards");
    EXPECT_EQ(l[1], "starting money £15000, no target, 20 End Days");
    EXPECT_TRUE(l[2].startsWith("profit: mean £"));
}

TEST_F(LabCli, refusesOptionsThatDoNotBelongTogether) {
    const QStringList bad[] = {{"--level", "-1", "--strategy", "hold", "--runs", "1"},
                               {"--level", "16", "--strategy", "hold", "--runs", "1"},
                               {"--level", "3", "--strategy", "greedy", "--runs", "1"},
                               {"--level", "3", "--strategy", "hold", "--runs", "0"},
                               {"--level", "3", "--runs", "5"},
                               {"--level", "3", "--strategy", "hold"},
                               {"--levels", "--runs", "5", "--strategy", "hold"},
                               {"--levels", "--runs", "5", "--days", "9"},
                               {"--level", "3", "--strategy", "hold", "--runs", "1", "--days", "9"},
                               {"--levels", "--level", "2", "--runs", "5"},
                               {"--levels=yes", "--runs", "5"},
                               {"--runs", "5"},
                               {"--summary"},
                               {"--days", "5", "--plot", "market.gif"},
                               {"--levels", "--runs", "5", "--plot", "t.png"}};
    for (const auto& args : bad)
        EXPECT_EQ(run(args), 2) << args.join(' ').toStdString();
    EXPECT_EQ(err.take().count("usage: quotara-sim"), 15);
}

TEST_F(LabCli, drawsPicturesWithoutChangingTheCsv) {
    const QString plain = dir.filePath("plain.csv"), drawn = dir.filePath("drawn.csv");
    const QString png = dir.filePath("market.png"), svg = dir.filePath("run.svg");
    ASSERT_EQ(run({"--days", "40", "--clock-ms", "3", "--clock-step-ms", "9", "--csv", plain}), 0);
    ASSERT_EQ(program({"--days", "40", "--clock-ms", "3", "--clock-step-ms", "9", "--csv", drawn,
                       "--plot", png}),
              0)
        << programErr.toStdString();
    QFile a(plain), b(drawn);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());

    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 1240);
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 255, 255));
    // The panels' frames are drawn: a grey line where the index panel's left edge is.
    EXPECT_NE(image.pixel(70, 150), qRgb(255, 255, 255));

    ASSERT_EQ(program({"--level", "2", "--strategy", "news", "--runs", "1", "--seed-clock", "1",
                       "--plot", svg}),
              0)
        << programErr.toStdString();
    QFile s(svg);
    ASSERT_TRUE(s.open(QIODevice::ReadOnly));
    const QByteArray bytes = s.readAll();
    EXPECT_TRUE(bytes.contains("<svg"));
    EXPECT_TRUE(bytes.contains("Level 2 played by news"));

    EXPECT_EQ(program({"--level", "2", "--strategy", "news", "--runs", "1", "--plot",
                       dir.filePath("no/such/run.png")}),
              1);
    EXPECT_TRUE(programErr.contains("File not found"));
}
