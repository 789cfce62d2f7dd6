#pragma once
// quotara-sim: plays a free-play game headless from the new-game reset and writes one CSV line
// per End Day. For balancing a news file and for regression tests.

#include "state/gamestate.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace quotara::sim {

struct Options {
    std::optional<QString> newsFile; // none: the news file the game ships
    std::optional<QString> sharesFile;
    std::int64_t days = 365;
    std::optional<std::uint32_t> clockMs; // none: the real time of day
    std::uint32_t clockStepMs = 0;
    QString csvFile = QStringLiteral("-"); // "-": standard output
    std::optional<QString> saveSharesFile;
    std::optional<QString> plotFile;    // a picture of the game: FILE.png or FILE.svg
    std::optional<QString> journalFile; // --level: the first run's record as CSV

    // The balance lab: robots play levels.
    std::optional<int> level;               // --level N, 1..15; 0: free play for days
    bool levels = false;                    // --levels: every level with every strategy
    std::optional<QString> strategy;        // --strategy S
    std::optional<int> runs;                // --runs R
    std::optional<std::uint32_t> seedClock; // first run's first clock read; none: time of day
    bool summary = false;
    bool labCsv = false; // CSV instead of aligned text

    // Two robots against each other: --two-player S S --until DATE.
    std::optional<std::array<QString, 2>> twoPlayer;
    std::optional<QDate> until; // the deadline, after the game's first day, 1 January 1999

    bool lab() const { return level || levels; }
};

// Exit codes.
constexpr int kExitOk = 0, kExitFileError = 1, kExitUsage = 2;

struct ParsedArgs {
    std::optional<Options> options; // none: see error, or help was asked for
    QString error;                  // what was wrong with the arguments
    bool help = false;
};

// The arguments after the program name.
ParsedArgs parseArgs(const QStringList& args);

QString usageText();

// The news table from --news, or the one the game ships. False after a file error, which goes
// to err with its standard text.
bool loadNews(GameState& state, const Options& options, std::FILE* err);

// The CSV header line, without its line end.
QString csvHeader();

// Runs the simulation. File errors go to err with their standard text; returns an exit code.
int run(const Options& options, std::FILE* out, std::FILE* err);

// The whole program: arguments after the program name, standard output and error.
int simMain(const QStringList& args, std::FILE* out, std::FILE* err);

} // namespace quotara::sim
