#pragma once
// A saved game's three files written as one. Whatever instant the program is stopped, the
// folder holds the old set or the new one whole, never a mix:
//  1. both share files are written in full to pending files beside them (".NAME.new");
//  2. the state file is written to ".NAME.tmp" and renamed to its pending name: from this
//     rename on, the new set is complete and is the one that counts;
//  3. the three pending files are renamed over the old ones, the state file last.
// The next start (and the next write) finishes a set that reached step 2 and throws away one
// that did not, with any temporary file left behind.

#include "state/datafolder.h"
#include "state/recordfile.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

namespace quotara {

struct SaveSet {
    QString shares;  // .shr: the share table image
    QString players; // .ply: the same image; a load takes its records
    QString state;   // .sta: the rest of the game

    static SaveSet savedGame(const DataFolder& folder); // File > Save Game's
    static SaveSet autosave(const DataFolder& folder);  // the autosave's
};

// A write that failed: the standard error and the name of the file it failed on.
struct SaveFailure {
    FileError error;
    QString file; // "savegame.ply"
};

// Writes the set: both share files hold `image`, the state file `state`. On a failure before
// step 2 the old files are untouched and nothing new is left behind.
std::optional<SaveFailure> writeSaveSet(const SaveSet& set, std::span<const std::uint8_t> image,
                                        std::span<const std::uint8_t> state);

// Finishes or throws away an interrupted write of the set, as described above.
void recoverSaveSet(const SaveSet& set);

// Removes the set's files, the state file first so that no half of it can pass for a game.
// The first file that could not be removed, and why; none when none is left.
std::optional<SaveFailure> removeSaveSet(const SaveSet& set);

// True when the set's state file is there (the set may still be refused when read).
bool saveSetExists(const SaveSet& set);

} // namespace quotara
