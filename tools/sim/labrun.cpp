// quotara-sim --level and --levels: the lab's command line, its texts and its files.

#include "lab.h"
#include "play/twoplayer.h"
#include "plot.h"
#include "sim.h"
#include "state/money.h"
#include "state/recordfile.h"
#include "trading/recordcsv.h"

#include <QLocale>
#include <QStringList>

#include <unistd.h>

namespace quotara::sim {
namespace {

// The first run's record as the game keeps it, passed on to a picture's recorder.
class JournalRecorder final : public RunObserver {
  public:
    explicit JournalRecorder(RunObserver* next) : next_(next) {}
    void started(const GameState& s) override {
        record = s.record;
        if (next_) next_->started(s);
    }
    void dayEnded(const GameState& s) override {
        record = s.record;
        if (next_) next_->dayEnded(s);
    }
    PlayRecord record;

  private:
    RunObserver* next_;
};

void failWith(std::FILE* err, const QString& what, const QString& text) {
    std::fprintf(err, "quotara-sim: %s: %s\n", qPrintable(what), qPrintable(text));
}

// To standard output, or to the file, which is replaced only once the whole text is written.
bool writeText(const QString& text, const QString& path, std::FILE* out, std::FILE* err) {
    const QByteArray bytes = text.toUtf8();
    if (path == QLatin1String("-")) {
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out);
        if (std::fflush(out) == 0 && !std::ferror(out)) return true;
        failWith(err, QStringLiteral("standard output"), FileError::fromErrno(errno).text());
        return false;
    }
    const FileError error = writeFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                        std::size_t(bytes.size())));
    if (error.isError()) failWith(err, path, error.text());
    return !error.isError();
}

QString runsText(const std::vector<RunResult>& runs, const LabSetup& setup, bool csv) {
    QString t = csv ? QStringLiteral("run,clockms,days,worth,profit,won,trades,refused\n")
                    : QStringLiteral("  run     clock  days     worth    profit  won  trades\n");
    for (std::size_t r = 0; r < runs.size(); ++r) {
        const RunResult& x = runs[r];
        const std::uint32_t clock = runClock(setup.seedClock, int(r));
        if (csv) {
            t += QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8\n")
                     .arg(r + 1)
                     .arg(clock)
                     .arg(x.days)
                     .arg(x.worth)
                     .arg(x.profit)
                     .arg(x.won ? 1 : 0)
                     .arg(x.trades)
                     .arg(x.refusals);
        } else {
            t += QString::number(r + 1).rightJustified(5) +
                 QString::number(clock).rightJustified(10) +
                 QString::number(x.days).rightJustified(6) +
                 poundsText(x.worth).rightJustified(10) + poundsText(x.profit).rightJustified(10) +
                 QString::fromLatin1(x.won ? "yes" : "no").rightJustified(5) +
                 QString::number(x.trades).rightJustified(8) + QLatin1Char('\n');
        }
    }
    return t;
}

QString summaryText(const LevelPlan& plan, std::string_view strategy, const CellSummary& c,
                    const LabSetup& setup) {
    const bool freePlay = plan.endday == 0;
    QString t = QStringLiteral("%1 played by %2: %3 runs, clock %4 onwards\n"
                               "starting money %5, %6, %7 End Days\n")
                    .arg(plan.name, QString::fromLatin1(strategy))
                    .arg(c.runs)
                    .arg(setup.seedClock)
                    .arg(poundsText(plan.money),
                         freePlay ? QStringLiteral("no target")
                                  : QStringLiteral("target ") + poundsText(plan.target))
                    .arg(c.days);
    if (!freePlay)
        t += QStringLiteral("won %1 of %2 (%3 %)\n")
                 .arg(c.wins)
                 .arg(c.runs)
                 .arg(c.winPercent, 0, 'f', 1);
    return t + QStringLiteral("profit: mean %1, 10 % %2, 50 % %3, 90 % %4\n")
                   .arg(poundsText(std::llround(c.meanProfit)), poundsText(c.p10),
                        poundsText(c.p50), poundsText(c.p90));
}

void reportRefusals(int refusals, std::FILE* err) {
    // A robot asks only for what the dialog offers; a refusal is worth a look.
    if (refusals > 0)
        std::fprintf(err, "quotara-sim: the game refused %d of the robots' trades\n", refusals);
}

} // namespace

int runLab(const Options& options, std::FILE* out, std::FILE* err) {
    auto news = std::make_unique<GameState>();
    if (!loadNews(*news, options, err)) return kExitFileError;
    LabSetup setup;
    setup.seedClock =
        options.seedClock ? *options.seedClock % SteppingClock::kMsPerDay : SystemClock().msOfDay();
    setup.news = news.get();
    const int runs = options.runs.value_or(1);

    if (options.levels) {
        std::function<void(int, int)> progress;
        const bool terminal = isatty(fileno(err)) == 1;
        if (terminal)
            progress = [err](int done, int total) {
                std::fprintf(err, "\rquotara-sim: %d of %d runs played", done, total);
                std::fflush(err);
            };
        const LabTable table =
            playTable(setup, levelPlans(),
                      std::vector<std::string_view>(kRobotNames.begin(), kRobotNames.end()), runs,
                      0, progress);
        if (terminal) std::fputs("\r\033[K", err);
        int refusals = 0;
        for (const auto& row : table.cells)
            for (const CellSummary& c : row)
                refusals += c.refusals;
        reportRefusals(refusals, err);
        const QString text = options.labCsv ? tableCsv(table) : tableText(table, setup.seedClock);
        return writeText(text, options.csvFile, out, err) ? kExitOk : kExitFileError;
    }

    const LevelPlan plan = *options.level == 0 ? freePlayPlan(int(options.days))
                                               : levelPlans().at(std::size_t(*options.level - 1));
    const std::string strategy = options.strategy->toStdString();
    PlotRecorder recorder;
    JournalRecorder journal(options.plotFile ? &recorder : nullptr);
    RunObserver* observer = options.plotFile ? &recorder : nullptr;
    if (options.journalFile) observer = &journal;
    const std::vector<RunResult> results = playRuns(setup, plan, strategy, runs, observer);
    const CellSummary summary = summarise(results);
    reportRefusals(summary.refusals, err);
    QString text;
    if (!options.summary)
        text = runsText(results, setup, options.labCsv);
    else if (options.labCsv)
        text = summaryCsvHeader() + QLatin1Char('\n') +
               summaryCsvLine(plan.name, strategy, summary) + QLatin1Char('\n');
    else
        text = summaryText(plan, strategy, summary, setup);
    if (!writeText(text, options.csvFile, out, err)) return kExitFileError;

    if (options.journalFile) {
        if (const QString why = writeRecordCsv(journal.record, *options.journalFile);
            !why.isEmpty()) {
            failWith(err, *options.journalFile, why);
            return kExitFileError;
        }
    }
    if (options.plotFile) {
        const QString outcome = plan.endday == 0      ? QStringLiteral("%1 days").arg(plan.days)
                                : results.front().won ? QStringLiteral("won")
                                                      : QStringLiteral("not won");
        recorder.data.title = QStringLiteral("%1 played by %2, clock %3: %4")
                                  .arg(plan.name, *options.strategy)
                                  .arg(setup.seedClock)
                                  .arg(outcome);
        recorder.data.showWorth = *options.level != 0 || *options.strategy != "idle";
        if (const auto error = writePlot(recorder.data, *options.plotFile)) {
            failWith(err, *options.plotFile, *error);
            return kExitFileError;
        }
    }
    return kExitOk;
}

int runTwoPlayer(const Options& options, std::FILE* out, std::FILE* err) {
    RobotGame game;
    if (!loadNews(game.state(), options, err)) return kExitFileError;
    const std::uint32_t clock =
        options.seedClock ? *options.seedClock % SteppingClock::kMsPerDay : SystemClock().msOfDay();
    const QDate until = *options.until;
    LevelPlan plan;
    plan.name = QStringLiteral("Two players");
    plan.money = kTwoPlayerMoney;
    plan.endday = static_cast<std::uint8_t>(until.day());
    plan.endmonth = static_cast<std::uint8_t>(until.month());
    plan.days = 366;

    const auto& strategies = *options.twoPlayer;
    std::array<std::unique_ptr<Robot>, 2> robots{makeRobot(strategies[0].toStdString()),
                                                 makeRobot(strategies[1].toStdString())};
    // The strategies are the players' names; the same strategy twice is told apart.
    std::array<QString, 2> names = strategies;
    if (names[0] == names[1]) {
        names[0] += QStringLiteral(" 1");
        names[1] += QStringLiteral(" 2");
    }
    const DuelResult r = game.playTwo(plan, {robots[0].get(), robots[1].get()}, names, clock);
    reportRefusals(r.players[0].refusals + r.players[1].refusals, err);

    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    QString t = QStringLiteral("Two players from 1 January 1999 to %1, %2 End Days, clock %3\n")
                    .arg(english.toString(until, QStringLiteral("d MMMM yyyy")))
                    .arg(r.players[0].days)
                    .arg(clock);
    t += QStringLiteral("player  strategy        worth    profit  trades\n");
    for (int i : {0, 1}) {
        const RunResult& p = r.players[std::size_t(i)];
        t += QString::number(i + 1).leftJustified(8) + names[std::size_t(i)].leftJustified(12) +
             poundsText(p.worth).rightJustified(9) + poundsText(p.profit).rightJustified(10) +
             QString::number(p.trades).rightJustified(8) + QLatin1Char('\n');
    }
    t += (r.verdict ? r.verdict->message : QStringLiteral("The deadline never came.")) +
         QLatin1Char('\n');
    return writeText(t, QStringLiteral("-"), out, err) ? kExitOk : kExitFileError;
}

} // namespace quotara::sim
