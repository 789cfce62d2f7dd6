#include "sim.h"

#include "editor/newsfile.h"
#include "market/endofday.h"
#include "setup/startup.h"
#include "shipped/news.h"
#include "state/game.h"
#include "state/recordfile.h"
#include "state/sharefile.h"

#include <QFile>

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
    void write(std::FILE* out) {
        *pos_++ = '\n';
        std::fwrite(buf_, 1, static_cast<std::size_t>(pos_ - buf_), out);
        pos_ = buf_;
        first_ = true;
    }

  private:
    void comma() {
        if (!first_) *pos_++ = ',';
        first_ = false;
    }
    char buf_[1024];
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
    line.write(out);
}

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

// Shares 0..19 from a share data file; an empty file loads nothing, as in the game.
FileError loadShares(GameState& state, const QString& path) {
    const ShareFileContent content = readShareFile(path, EmptyShareFile::ReadsNothing);
    if (!content.records.empty()) applyShares(state, content.records);
    return content.error;
}

} // namespace

QString usageText() {
    return QStringLiteral(
        "usage: quotara-sim [--news FILE] [--shares FILE] [--days N] [--clock-ms MS]\n"
        "                   [--clock-step-ms S] [--csv FILE] [--save-shares FILE]\n"
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
        "  --save-shares FILE  write the share data file after the last day\n");
}

QString csvHeader() {
    QString h = QStringLiteral(
        "day,month,year,daycount,dow,dowchange,ftse,ftsechange,hangseng,hangchange,unemployed,"
        "unemployedchange,headlines1no,headlines2no,headlines4no,headline4days");
    for (int i = 0; i < kShareCount; ++i)
        h += QStringLiteral(",price%1").arg(i);
    return h;
}

ParsedArgs parseArgs(const QStringList& args) {
    ParsedArgs parsed;
    Options o;
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
        static const QStringList kKnown = {"--news",       "--shares",        "--days",
                                           "--clock-ms",   "--clock-step-ms", "--csv",
                                           "--save-shares"};
        if (!kKnown.contains(name)) {
            parsed.error = QStringLiteral("unknown option '%1'").arg(args[i]);
            return parsed;
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
        } else if (name == QLatin1String("--days")) {
            const auto n = parseNumber<std::int64_t>(*value);
            if (!n || *n < 0 || *n > std::numeric_limits<std::int32_t>::max()) return bad();
            o.days = *n;
        } else if (name == QLatin1String("--clock-ms")) {
            const auto n = parseNumber<std::uint32_t>(*value);
            if (!n) return bad();
            o.clockMs = *n;
        } else {
            const auto n = parseNumber<std::uint32_t>(*value);
            if (!n) return bad();
            o.clockStepMs = *n;
        }
    }
    parsed.options = o;
    return parsed;
}

int run(const Options& options, std::FILE* out, std::FILE* err) {
    // The real time of day is read once: asking the system at every draw costs more than the
    // day's market (it looks up the time zone each time).
    SteppingClock clock(options.clockMs ? *options.clockMs : SystemClock().msOfDay(),
                        options.clockStepMs);
    SilentMessages messages;
    Game game(clock, messages, DataFolder(QString()));
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
    for (std::int64_t d = 0; d < options.days; ++d) {
        endofday(game, views);
        writeDay(s, line, csv);
    }

    const bool written = std::fflush(csv) == 0 && !std::ferror(csv);
    const int writeErrno = errno;
    const bool closed = toStdout || std::fclose(csv) == 0;
    if (!written || !closed) {
        fail(err, toStdout ? QStringLiteral("standard output") : options.csvFile,
             FileError::fromErrno(written ? errno : writeErrno).text());
        return kExitFileError;
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
    return run(*parsed.options, out, err);
}

} // namespace quotara::sim
