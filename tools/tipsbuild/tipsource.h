#pragma once
// The readable source of a tip list (data/tips.txt): blocks of Key=Value lines.
//   [type]  Name=, Caption=, Header=
//   [tip]   TipType=, HelpContext=, Tip=
// Every key of a block once; blocks in stream order. Lines starting with '#' and blank lines
// are skipped. Texts are UTF-8 and must have Windows-1252 characters.

#include "components/tiplist.h"

#include <QByteArray>
#include <QStringList>

namespace quotara::tipsbuild {

// Fills `list` from the source. Returns one message per fault, each starting with
// "line N: "; the list is valid only when none is returned.
QStringList parseTipSource(const QByteArray& utf8, TTipList& list);

} // namespace quotara::tipsbuild
