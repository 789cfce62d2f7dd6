#pragma once
// The record of a game as one CSV table for spreadsheets: UTF-8, a header row, the position
// the record starts from ("start", left out for a record that noted none), then one row per
// trade ("trade") and per recorded day ("day") in date order, a day's trades before its close.
// Dates are ISO (1999-01-05); amounts are pounds and pence as plain numbers (2.52, -90.00).

#include "state/playrecord.h"

#include <QByteArray>
#include <QString>

namespace quotara {

// "type,date,share,action,quantity,price,total,cash,holdings,worth"
QByteArray recordCsvHeader();
// The whole file: the header row, then the rows, each ended by a line feed.
QByteArray recordCsv(const PlayRecord& record);

// "2.52" for 252 pence, "-0.05" for -5.
QString poundsAndPence(std::int64_t pence);

// Writes the file whole or not at all: an existing file stays as it was when the write fails.
// Returns the reason it failed ("Permission denied", ...); empty on success.
QString writeRecordCsv(const PlayRecord& record, const QString& path);

} // namespace quotara
