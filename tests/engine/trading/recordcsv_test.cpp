// The record's CSV export: read back, it gives the record's rows; a failed write says why.

#include "state/recordfile.h"
#include "support/files.h"
#include "trading/recordcsv.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quotara;

namespace {

// RFC 4180 fields of one file, row by row.
std::vector<QStringList> readCsv(const QByteArray& bytes) {
    std::vector<QStringList> rows;
    const QString text = QString::fromUtf8(bytes);
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row << cell;
            cell.clear();
        } else if (c == '\n') {
            rows.push_back(row << cell);
            row.clear();
            cell.clear();
        } else {
            cell += c;
        }
    }
    return rows;
}

GameDate dateOf(const QString& iso) {
    const QStringList p = iso.split('-');
    return {static_cast<std::uint8_t>(p[2].toInt()), static_cast<std::uint8_t>(p[1].toInt()),
            static_cast<std::uint16_t>(p[0].toInt())};
}

std::int64_t penceOf(const QString& amount) {
    return qRound64(amount.toDouble() * 100);
}

PlayRecord sample() {
    PlayRecord r;
    r.start = DayClose{{1, 1, 1999}, 15000, 0, 15000};
    r.days = {{{1, 1, 1999}, 12475, 2525, 15000},
              {{2, 1, 1999}, 12475, 2401, 14876},
              {{3, 1, 1999}, 13702, 1176, 14878}};
    TradeEntry bought{{1, 1, 1999}, 7, {}, TradeSide::Buy, 1000, 252, 2520, 12475};
    bought.name.assign(QStringLiteral("Marks, \"Spencer\" & Co"));
    TradeEntry sold{{3, 1, 1999}, 7, bought.name, TradeSide::Sell, 500, 245, 1227, 13702};
    r.trades = {bought, sold};
    return r;
}

// The record read back from the file's rows, with the names of its players (1 and 2); each
// row's type goes to types.
PlayRecord readBack(const std::vector<QStringList>& rows, const RecordPlayers& players,
                    QStringList& types) {
    PlayRecord back;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const QStringList& f = rows[i];
        EXPECT_EQ(f.size(), 11) << i;
        if (f.size() != 11) return back;
        types << f[0];
        const std::uint8_t player = f[10].isEmpty()           ? 0
                                    : f[10] == players.first  ? 1
                                    : f[10] == players.second ? 2
                                                              : 9;
        if (f[0] == "day" || f[0] == "start") {
            const DayClose d{dateOf(f[1]), static_cast<std::int32_t>(penceOf(f[7]) / 100),
                             penceOf(f[8]) / 100, penceOf(f[9]) / 100};
            if (f[0] == "start" && player != 2)
                back.start = d;
            else if (f[0] == "day")
                (player == 2 ? back.secondDays : back.days).push_back(d);
            continue;
        }
        TradeEntry t{dateOf(f[1]),
                     7,
                     {},
                     f[3] == "sell" ? TradeSide::Sell : TradeSide::Buy,
                     f[4].toInt(),
                     static_cast<std::int32_t>(penceOf(f[5])),
                     static_cast<std::int32_t>(penceOf(f[6]) / 100),
                     static_cast<std::int32_t>(penceOf(f[7]) / 100)};
        t.name.assign(f[2]);
        t.player = player;
        back.trades.push_back(t);
    }
    return back;
}

TEST(RecordCsv, readBackGivesTheRecordsRowsInDateOrder) {
    const PlayRecord r = sample();
    const auto rows = readCsv(recordCsv(r));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].join(','), QString::fromLatin1(recordCsvHeader()));
    QStringList types;
    // One player: the player column is empty on every row.
    EXPECT_EQ(readBack(rows, {}, types), r);
    // The start before all; a day's trades before its close.
    EXPECT_EQ(types, (QStringList{"start", "trade", "day", "day", "trade", "day"}));
}

// Two players: each trade names its player, and each player has a start and a row each day.
TEST(RecordCsv, readBackGivesEachPlayersTradesAndDays) {
    PlayRecord r = sample();
    r.trades[0].player = 2;
    r.trades[1].player = 1;
    r.secondDays = {{{1, 1, 1999}, 15000, 0, 15000},
                    {{2, 1, 1999}, 14000, 1100, 15100},
                    {{3, 1, 1999}, 14000, 950, 14950}};
    const RecordPlayers players{QStringLiteral("Ann, the first"), QStringLiteral("-Bob")};
    const auto rows = readCsv(recordCsv(r, players));
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[0].last(), "player");
    EXPECT_EQ(rows[1].last(), "Ann, the first");
    EXPECT_EQ(rows[2].last(), "'-Bob"); // a name like a formula is text too
    QStringList types;
    const RecordPlayers asRead{players.first, QStringLiteral("'-Bob")};
    EXPECT_EQ(readBack(rows, asRead, types), r);
    EXPECT_EQ(types, (QStringList{"start", "start", "trade", "day", "day", "day", "day", "trade",
                                  "day", "day"}));
}

TEST(RecordCsv, aNameLikeAFormulaIsExportedAsText) {
    PlayRecord r = sample();
    r.start.reset();
    r.days.clear();
    r.trades.resize(1);
    r.trades[0].name.assign(QStringLiteral("=HYPERLINK(\"x\")"));
    const auto rows = readCsv(recordCsv(r));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1][2], QStringLiteral("'=HYPERLINK(\"x\")"));
}

TEST(RecordCsv, amountsArePoundsAndPence) {
    EXPECT_EQ(poundsAndPence(252), "2.52");
    EXPECT_EQ(poundsAndPence(-9000), "-90.00");
    EXPECT_EQ(poundsAndPence(-5), "-0.05");
    EXPECT_EQ(poundsAndPence(std::numeric_limits<std::int64_t>::min()), "-92233720368547758.08");
}

TEST(RecordCsv, aFailedWriteSaysWhyAndLeavesNoFile) {
    QTemporaryDir tmp;
    const QString path = tmp.path() + "/missing/record.csv";
    EXPECT_FALSE(writeRecordCsv(sample(), path).isEmpty());
    EXPECT_FALSE(QFile::exists(path));
    // A folder where the file should go is not replaced.
    EXPECT_FALSE(writeRecordCsv(sample(), tmp.path()).isEmpty());
    EXPECT_TRUE(QFileInfo(tmp.path()).isDir());
}

// A full disk once said "Unknown error".
TEST(RecordCsv, aFullDiskSaysTheSystemsReasonAndKeepsTheOldFile) {
    QTemporaryDir tmp;
    const QString path = test::writeFile(tmp, "record.csv", "old");
    setWriteBudgetForTests(10);
    const QString why = writeRecordCsv(sample(), path);
    setWriteBudgetForTests(-1);
    EXPECT_EQ(why, "No space left on device");
    EXPECT_EQ(test::contentOf(path), "old");
}

} // namespace
