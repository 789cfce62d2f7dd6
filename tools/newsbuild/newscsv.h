#pragma once
// The readable source of the shipped news table: one CSV line per item,
//   number,text,ftse,s1,...,s12,probability
// number 1..200; text in double quotes when it holds a comma or a quote (a quote doubled);
// effects -2..+2 for the FTSE and sectors 1..12; probability 1..5, or 100 + n for special n.
// Lines starting with '#', blank lines and the header line (first field "number") are skipped.
// Items not listed stay empty.

#include "state/gamestate.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>

namespace quotara::newsbuild {

using NewsTable = std::array<Tnewsitem, kNewsCount + 1>; // items 1..200; [0] unused

// Fills `items` from the CSV text (UTF-8). Returns one message per fault, each starting
// with "line N: "; the table is valid only when the list is empty.
QStringList parseNewsCsv(const QByteArray& utf8, NewsTable& items);

} // namespace quotara::newsbuild
