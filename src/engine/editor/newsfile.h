#pragma once
// The news file: news items 1..200 as 200 records of 256 bytes, item 1 first, nothing else.

#include "state/gamestate.h"
#include "state/recordfile.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace quotara {

constexpr std::size_t kNewsFileSize = kNewsCount * Tnewsitem::kSize; // 51,200 bytes

// "Load news items": reads the file into newsitems[1..200]. An empty file changes nothing;
// on an error the items read before it keep their new contents and the rest their old ones.
// The caller reports an error with its text in the standard error box.
FileError loadNewsFile(GameState& state, const QString& path);

// "Load news items" during a game: the same, but all or nothing. A non-empty file shorter than
// 200 items fails with ReadBeyondEnd, and any error leaves every item as it was.
FileError loadWholeNewsFile(GameState& state, const QString& path);

// "Save news items": writes newsitems[1..200] whole, used flags and padding included. The old
// file is replaced only by a complete new one.
FileError saveNewsFile(const GameState& state, const QString& path);

// The file's bytes for a table; items[0] is not written.
std::vector<std::uint8_t> encodeNewsTable(std::span<const Tnewsitem, kNewsCount + 1> items);

} // namespace quotara
