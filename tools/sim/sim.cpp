#include "sim.h"

#include "lab.h"
#include "play/levels.h"
#include "plot.h"

#include "editor/newsfile.h"
#include "play/endofday.h"
#include "play/startup.h"
#include "shipped/news.h"
#include "state/game.h"
#include "state/recordfile.h"
#include "state/sharefile.h"

#include <QFile>

#include <algorithm>

#include <cerrno>
#include <charconv>
#include <limits>
#include <memory>
#include <string>

namespace quotara::sim {
namespace {

template <typename T> std::optional<T> parseNumber(const QString& text) {
    const std::string s = text.toStdString();
    T value{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

void fail(std::FILE* err, const QString& what, const QString& text) {
    std::fprintf(err, "quotara-sim: %s: %s\n", qPrintable(what), qPrintable(text));
}

// One CSV line, built without allocation: the simulator writes a century in well under a
// second.
class Line {
  public:
    void number(std::int64_t v) {
        comma();
        const auto r = std::to_chars(pos_, end_, v);
        pos_ = r.ptr;
    }
    void numberOrEmpty(const HeadlineSlot& slot) {
        if (slot.hasNumber())
            number(slot.number);
        else
            comma();
    }
    // Ends the line; the lines go out many at a time.
    void end(std::FILE* out) {
        *pos_++ = '\n';
        first_ = true;
        if (end_ - pos_ < kLongestLine) flush(out);
    }
    void flush(std::FILE* out) {
        std::fwrite(buf_, 1, static_cast<std::size_t>(pos_ - buf_), out);
        pos_ = buf_;
    }

  private:
    void comma() {
        if (!first_) *pos_++ = ',';
        first_ = false;
    }
    static constexpr std::ptrdiff_t kLongestLine = 1024; // 36 numbers of at most 20 characters
    char buf_[64 * 1024];
    char* pos_ = buf_;
    char* const end_ = buf_ + sizeof buf_;
    bool first_ = true;
};

void writeDay(const GameState& s, Line& line, std::FILE* out) {
    for (std::int64_t v :
         {std::int64_t{s.day}, std::int64_t{s.month}, std::int64_t{s.year},
          std::int64_t{s.daycount}, std::int64_t{s.dow}, std::int64_t{s.dowchange},
          std::int64_t{s.ftse}, std::int64_t{s.ftsechange}, std::int64_t{s.hangseng},
          std::int64_t{s.hangchange}, std::int64_t{s.unemployed}, std::int64_t{s.unemployedchange}})
        line.number(v);
    line.numberOrEmpty(s.headlines1);
    line.numberOrEmpty(s.headlines2);
    line.numberOrEmpty(s.headlines4);
    line.number(s.headline4days);
    for (int i = 0; i < kShareCount; ++i)
        line.number(s.shares[i].price);
    line.end(out);
}

// Shares 0..19 from a share data file; an empty file loads nothing, as in the game.
FileError loadShares(GameState& state, const QString& path) {
    const ShareFileContent content = readShareFile(path, EmptyShareFile::ReadsNothing);
    if (!content.records.empty()) applyShares(state, content.records);
    return content.error;
}

} // namespace

// The news table from --news, or the news file the game ships. False after a file error.
bool loadNews(GameState& state, const Options& options, std::FILE* err) {
    if (options.newsFile) {
        const FileError error = loadNewsFile(state, *options.newsFile);
        if (error.isError()) fail(err, *options.newsFile, error.text());
        return !error.isError();
    }
    // Built into the program, always whole.
    const std::span<const std::uint8_t> bytes = shippedNewsFile();
    for (std::size_t n = 1; n <= kNewsCount && bytes.size() >= n * Tnewsitem::kSize; ++n)
        state.newsitems[n] =
            decodeNewsItem(bytes.subspan((n - 1) * Tnewsitem::kSize).first<Tnewsitem::kSize>());
    return true;
}

QString usageText() {
    return QStringLiteral(
        "usage: quotara-sim [--news FILE] [--shares FILE] [--days N] [--clock-ms MS]\n"
        "                   [--clock-step-ms S] [--csv FILE] [--save-shares FILE] [--plot FILE]\n"
        "       quotara-sim --level N --strategy S --runs R [--seed-clock MS] [--summary]\n"
        "                   [--news FILE] [--csv [FILE]] [--plot FILE] [--journal FILE]\n"
        "       quotara-sim --levels --runs R [--seed-clock MS] [--news FILE] [--csv [FILE]]\n"
        "       quotara-sim --two-player S1 S2 --until DATE [--seed-clock MS] [--news FILE]\n"
        "\n"
        "Plays a free-play game from the new-game reset and writes one CSV line per End Day.\n"
        "  --news FILE         news file of 200 records of 256 bytes (default: the game's own)\n"
        "  --shares FILE       share data file of 20 records of 2076 bytes, loaded after the\n"
        "                      reset\n"
        "  --days N            End Days to play (default 365)\n"
        "  --clock-ms MS       the clock's first time of day in milliseconds (default: the\n"
        "                      real time of day)\n"
        "  --clock-step-ms S   milliseconds the clock moves on at each further read (default 0)\n"
        "  --csv FILE          where the CSV goes ('-': standard output, the default)\n"
        "  --save-shares FILE  write the share data file after the last day\n"
        "  --plot FILE         also draw the game: the indices, the 20 prices and the days with\n"
        "                      headlines (and with --level the first run's worth), as PNG or SVG\n"
        "\n"
        "The balance lab: robots play the levels of the level table and trade as a player\n"
        "would, once a day before End Day. Each run has its own clock, read by a player who\n"
        "ends a day every 5 to 25 seconds.\n"
        "  --level N           play level N (1..15, 15 is the Bonus Level) R times and print one\n"
        "                      line per run; level 0 is free play for --days N End Days\n"
        "  --strategy S        idle, hold, random, momentum or news\n"
        "  --runs R            runs to play (1..100000)\n"
        "  --seed-clock MS     the first run's clock in milliseconds of the day; each further\n"
        "                      run starts 1000003 ms later (default: the real time of day)\n"
        "  --journal FILE      write the first run's trades and daily worth as CSV, as the\n"
        "                      game's Performance window exports them\n"
        "  --summary           print the win rate and the mean, 10, 50 and 90 % profit instead\n"
        "  --levels            the whole table: every level with every strategy, on all cores\n"
        "  --csv [FILE]        CSV instead of aligned text, to FILE or standard output\n"
        "\n"
        "Two robots against each other in a two-player game, player 1 playing S1 and player 2\n"
        "S2, each with £15000 on 1 January 1999:\n"
        "  --two-player S1 S2  the two strategies (idle, hold, random, momentum or news)\n"
        "  --until DATE        the game's last day, 1999-01-02 to 2000-01-01; both results and\n"
        "                      the winner are printed\n");
}

QString csvHeader() {
    QString h = QStringLiteral(
        "day,month,year,daycount,dow,dowchange,ftse,ftsechange,hangseng,hangchange,unemployed,"
        "unemployedchange,headlines1no,headlines2no,headlines4no,headline4days");
    for (int i = 0; i < kShareCount; ++i)
        h += QStringLiteral(",price%1").arg(i);
    return h;
}

namespace {

// A deadline the game can have: a day after its first, 1 January 1999, within a year.
std::optional<QDate> parseUntil(const QString& text) {
    const QDate d = QDate::fromString(text, Qt::ISODate);
    if (!d.isValid() || d <= QDate(1999, 1, 1) || d > QDate(2000, 1, 1)) return std::nullopt;
    return d;
}

// Options that belong to one kind of run only.
QString checkModes(const Options& o, const QStringList& given) {
    const auto has = [&given](const char* name) { return given.contains(QLatin1String(name)); };
    if (o.twoPlayer) {
        if (!o.until) return QStringLiteral("--two-player needs --until");
        for (const QString& name : given)
            if (name != QLatin1String("--two-player") && name != QLatin1String("--until") &&
                name != QLatin1String("--seed-clock") && name != QLatin1String("--news"))
                return QStringLiteral("%1 is not for --two-player").arg(name);
        return {};
    }
    if (o.until) return QStringLiteral("--until needs --two-player");
    if (o.level && o.levels) return QStringLiteral("--level and --levels exclude each other");
    if (!o.lab()) {
        for (const char* lab : {"--strategy", "--runs", "--seed-clock", "--summary"})
            if (has(lab)) return QStringLiteral("%1 needs --level or --levels").arg(lab);
        if (has("--journal")) return QStringLiteral("--journal needs --level");
        return {};
    }
    for (const char* freePlay : {"--shares", "--clock-ms", "--clock-step-ms", "--save-shares"})
        if (has(freePlay)) return QStringLiteral("%1 is not for --level or --levels").arg(freePlay);
    if (has("--days") && o.level != 0) return QStringLiteral("--days is for free play, --level 0");
    if (!o.runs) return QStringLiteral("the lab needs --runs");
    if (o.levels) {
        for (const char* one : {"--strategy", "--summary", "--plot", "--journal"})
            if (has(one)) return QStringLiteral("%1 is for --level, not --levels").arg(one);
    } else if (!o.strategy) {
        return QStringLiteral("--level needs --strategy");
    }
    return {};
}

} // namespace

ParsedArgs parseArgs(const QStringList& args) {
    ParsedArgs parsed;
    Options o;
    QStringList given;
    // In the lab --csv may stand alone; elsewhere it always names a file.
    const bool lab = std::any_of(args.begin(), args.end(), [](const QString& a) {
        return a == QLatin1String("--levels") || a == QLatin1String("--level") ||
               a.startsWith(QLatin1String("--level="));
    });
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString name = args[i];
        std::optional<QString> value;
        if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            parsed.help = true;
            return parsed;
        }
        if (const auto eq = name.indexOf(QLatin1Char('=')); name.startsWith("--") && eq > 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        }
        static const QStringList kKnown = {
            "--news",       "--shares",      "--days",    "--clock-ms",   "--clock-step-ms",
            "--csv",        "--save-shares", "--plot",    "--level",      "--levels",
            "--runs",       "--strategy",    "--summary", "--seed-clock", "--journal",
            "--two-player", "--until"};
        if (!kKnown.contains(name)) {
            parsed.error = QStringLiteral("unknown option '%1'").arg(args[i]);
            return parsed;
        }
        given << name;
        if (name == QLatin1String("--levels") || name == QLatin1String("--summary")) {
            if (value) {
                parsed.error = QStringLiteral("option '%1' takes no value").arg(name);
                return parsed;
            }
            (name == QLatin1String("--levels") ? o.levels : o.summary) = true;
            continue;
        }
        if (name == QLatin1String("--two-player")) {
            // Two values: a strategy for each player.
            if (value || i + 2 >= args.size()) {
                parsed.error = QStringLiteral("--two-player needs two strategies");
                return parsed;
            }
            std::array<QString, 2> robots{args[i + 1], args[i + 2]};
            i += 2;
            for (const QString& robot : robots)
                if (!makeRobot(robot.toStdString())) {
                    parsed.error =
                        QStringLiteral("invalid strategy '%1' for --two-player").arg(robot);
                    return parsed;
                }
            o.twoPlayer = robots;
            continue;
        }
        if (name == QLatin1String("--csv") && lab) {
            o.labCsv = true;
            if (!value && (i + 1 >= args.size() || args[i + 1].startsWith(QLatin1String("--"))))
                continue;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                parsed.error = QStringLiteral("option '%1' needs a value").arg(name);
                return parsed;
            }
            value = args[++i];
        }
        const auto bad = [&] {
            parsed.error = QStringLiteral("invalid value '%1' for %2").arg(*value, name);
            return parsed;
        };
        if (name == QLatin1String("--news")) {
            if (value->isEmpty()) return bad();
            o.newsFile = *value;
        } else if (name == QLatin1String("--shares")) {
            if (value->isEmpty()) return bad();
            o.sharesFile = *value;
        } else if (name == QLatin1String("--save-shares")) {
            if (value->isEmpty()) return bad();
            o.saveSharesFile = *value;
        } else if (name == QLatin1String("--csv")) {
            if (value->isEmpty()) return bad();
            o.csvFile = *value;
        } else if (name == QLatin1String("--plot")) {
            const QString suffix = value->section(QLatin1Char('.'), -1).toLower();
            if (!value->contains(QLatin1Char('.')) ||
                (suffix != QLatin1String("png") && suffix != QLatin1String("svg")))
                return bad();
            o.plotFile = *value;
        } else if (name == QLatin1String("--journal")) {
            if (value->isEmpty()) return bad();
            o.journalFile = *value;
        } else if (name == QLatin1String("--until")) {
            o.until = parseUntil(*value);
            if (!o.until) return bad();
        } else if (name == QLatin1String("--strategy")) {
            if (!makeRobot(value->toStdString())) return bad();
            o.strategy = *value;
        } else if (name == QLatin1String("--days")) {
            const auto n = parseNumber<std::int64_t>(*value);
            if (!n || *n < 0 || *n > std::numeric_limits<std::int32_t>::max()) return bad();
            o.days = *n;
        } else if (name == QLatin1String("--level") || name == QLatin1String("--runs")) {
            const auto n = parseNumber<int>(*value);
            const int most = name == QLatin1String("--level") ? kLevelCount : kMostRuns;
            const int least = name == QLatin1String("--level") ? 0 : 1;
            if (!n || *n < least || *n > most) return bad();
            (name == QLatin1String("--level") ? o.level : o.runs) = *n;
        } else {
            const auto n = parseNumber<std::uint32_t>(*value);
            if (!n) return bad();
            if (name == QLatin1String("--clock-ms"))
                o.clockMs = *n;
            else if (name == QLatin1String("--seed-clock"))
                o.seedClock = *n;
            else
                o.clockStepMs = *n;
        }
    }
    parsed.error = checkModes(o, given);
    if (parsed.error.isEmpty()) parsed.options = o;
    return parsed;
}

int run(const Options& options, std::FILE* out, std::FILE* err) {
    // The real time of day is read once: asking the system at every draw costs more than the
    // day's market (it looks up the time zone each time).
    const std::uint32_t start = options.clockMs ? *options.clockMs : SystemClock().msOfDay();
    SteppingClock clock(start, options.clockStepMs);
    SilentMessages messages;
    Game game(clock, messages, DataFolder::none());
    GameState& s = game.state;

    // As the game does: start-up with its news table, then New Game in free play.
    if (!loadNews(s, options, err)) return kExitFileError;
    startFreePlay(s);
    if (options.sharesFile) {
        const FileError error = loadShares(s, *options.sharesFile);
        if (error.isError()) {
            fail(err, *options.sharesFile, error.text());
            return kExitFileError;
        }
    }

    const bool toStdout = options.csvFile == QLatin1String("-");
    std::FILE* csv = toStdout ? out : std::fopen(QFile::encodeName(options.csvFile), "wb");
    if (!csv) {
        fail(err, options.csvFile, FileError::fromErrno(errno).text());
        return kExitFileError;
    }
    std::fprintf(csv, "%s\n", qPrintable(csvHeader()));

    game.random.reseed(clock);
    NoDayViews views;
    Line line;
    PlotRecorder plot;
    if (options.plotFile) plot.started(s);
    for (std::int64_t d = 0; d < options.days; ++d) {
        endofday(game, views);
        writeDay(s, line, csv);
        if (options.plotFile) plot.dayEnded(s);
    }
    line.flush(csv);

    const bool written = std::fflush(csv) == 0 && !std::ferror(csv);
    const int writeErrno = errno;
    const bool closed = toStdout || std::fclose(csv) == 0;
    if (!written || !closed) {
        fail(err, toStdout ? QStringLiteral("standard output") : options.csvFile,
             FileError::fromErrno(written ? errno : writeErrno).text());
        return kExitFileError;
    }

    if (options.plotFile) {
        plot.data.title =
            QStringLiteral("Free play, %1 days from clock %2").arg(options.days).arg(start);
        if (const auto error = writePlot(plot.data, *options.plotFile)) {
            fail(err, *options.plotFile, *error);
            return kExitFileError;
        }
    }

    if (options.saveSharesFile) {
        const FileError error = writeShareFile(*options.saveSharesFile, s.shares);
        if (error.isError()) {
            fail(err, *options.saveSharesFile, error.text());
            return kExitFileError;
        }
    }
    return kExitOk;
}

int simMain(const QStringList& args, std::FILE* out, std::FILE* err) {
    const ParsedArgs parsed = parseArgs(args);
    if (parsed.help) {
        std::fputs(qPrintable(usageText()), out);
        return kExitOk;
    }
    if (!parsed.options) {
        std::fprintf(err, "quotara-sim: %s\n%s", qPrintable(parsed.error), qPrintable(usageText()));
        return kExitUsage;
    }
    if (parsed.options->twoPlayer) return runTwoPlayer(*parsed.options, out, err);
    if (parsed.options->lab()) return runLab(*parsed.options, out, err);
    return run(*parsed.options, out, err);
}

} // namespace quotara::sim
