#pragma once
// The record of a game as one CSV table for spreadsheets: UTF-8, a header row, the position
// the record starts from ("start", left out for a record that noted none), then one row per
// trade ("trade") and per recorded day ("day") in date order, a day's trades before its close.
// Dates are ISO (1999-01-05); amounts are pounds and pence as plain numbers (2.52, -90.00).
// The last column names the player of a two-player game, whose start and days each player
// has a row of; it is empty with one player, so a reader of the first ten columns reads on.

#include "state/playrecord.h"

#include <QByteArray>
#include <QString>

namespace quotara {

// The names of a two-player game's players, for the player column; none with one player.
struct RecordPlayers {
    QString first, second;
};

// "type,date,share,action,quantity,price,total,cash,holdings,worth,player"
QByteArray recordCsvHeader();
// The whole file: the header row, then the rows, each ended by a line feed.
QByteArray recordCsv(const PlayRecord& record, const RecordPlayers& players = {});

// "2.52" for 252 pence, "-0.05" for -5.
QString poundsAndPence(std::int64_t pence);

// Writes the file whole or not at all: an existing file stays as it was when the write fails.
// Returns the reason it failed ("Permission denied", ...); empty on success.
QString writeRecordCsv(const PlayRecord& record, const QString& path,
                       const RecordPlayers& players = {});

} // namespace quotara
