#pragma once
// Files of share records: the share data file and the two saved-game files. Each is shares
// 0..19 as 20 records of 2076 bytes, 41,520 bytes, byte for byte the share table's image, with
// no header. A read is checked whole before the caller changes anything.

#include "state/gamestate.h"
#include "state/recordfile.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace quotara {

constexpr std::size_t kShareFileSize = kShareCount * Tshare::kSize; // 41,520 bytes

// What an empty file means: the share data file then loads nothing; a saved game is short.
enum class EmptyShareFile { ReadsNothing, IsShort };

struct ShareFileContent {
    FileError error;
    // The file's first 41,520 bytes as read, and shares 0..19 decoded from them and made safe.
    // Both empty after an error, and for an empty file that reads nothing.
    std::vector<std::uint8_t> image;
    std::vector<Tshare> records;

    bool readNothing() const { return !error.isError() && records.empty(); }
};

// Reads and checks the whole file; nothing in the game changes. Bytes after the 20 records
// are ignored.
ShareFileContent readShareFile(const QString& path, EmptyShareFile empty);

// A record read from a file, made safe to use: a name length above 40 reads as 40. Every other
// field is used as it is (an unknown sector is in no sector and moves with no sector's news).
Tshare safeShare(const Tshare& share);

// Records 0..19 of the table as the file's bytes. `shares` holds at least 20 records.
std::vector<std::uint8_t> shareFileImage(std::span<const Tshare> shares);

// Makes the file the image of shares 0..19; the old file is replaced only by a complete one.
FileError writeShareFile(const QString& path, std::span<const Tshare> shares);

// Shares 0..19 of the game := the records read. `records` holds 20 records.
void applyShares(GameState& state, const std::vector<Tshare>& records);

} // namespace quotara
