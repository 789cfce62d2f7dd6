#pragma once
// The simulator's file access: the news file, the share data file and the CSV output. Each
// call gives the standard file-error text, or an empty text when all went well.

#include "state/gamestate.h"

#include <QString>

#include <cstdint>
#include <span>

namespace quotara::sim {

// The news file's bytes into newsitems[1..200]: nothing from an empty file, whole records
// until the bytes run out, then "Read beyond end of file".
QString loadNewsBytes(GameState& state, std::span<const std::uint8_t> bytes);
// The same from a file.
QString loadNewsFile(GameState& state, const QString& path);
// A share data file into shares 0..19, each record whole.
QString loadSharesFile(GameState& state, const QString& path);
// Shares 0..19 as a share data file; the old file is replaced only by a complete new one.
QString saveSharesFile(const GameState& state, const QString& path);

// The standard text for a system error number.
QString fileErrorText(int errnum);

} // namespace quotara::sim
