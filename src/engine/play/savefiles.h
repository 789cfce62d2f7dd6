#pragma once
// A saved game's three files written as one. Whatever instant the program is stopped, and
// after a power cut, the folder holds the old set or the new one whole, never a mix:
//  1. both share files are written whole (writeFileAtomically) under pending names beside
//     them (".NAME.new");
//  2. the state file is written whole under its pending name: from this rename on, the new
//     set is complete and is the one that counts;
//  3. the pending files are renamed over the old ones, the state file last.
// Every step is synced before the next, so none can outlast a power cut without the steps
// before it. A write (and the start-up's tidyDataFolder) first finishes a set that reached
// step 2 and throws away one that did not, and finishes a removal cut short.

#include "play/savestate.h"
#include "state/datafolder.h"
#include "state/folderlock.h"
#include "state/recordfile.h"

#include <QString>

#include <optional>

namespace quotara {

struct SaveSet {
    QString shares;  // .shr: the share table image
    QString players; // .ply: the same image; a load takes its records
    QString state;   // .sta: the rest of the game
    // Only a saved game made before the state file existed may come without one.
    bool stateRequired = false;

    static SaveSet savedGame(const DataFolder& folder); // File > Save Game's
    static SaveSet autosave(const DataFolder& folder);  // the autosave's
};

// A write that failed: the standard error and the name of the file it failed on.
struct SaveFailure {
    FileError error;
    QString file; // "savegame.ply"
};

// The game as the set's files (savegame.h): both share files the image of its shares, the
// state file the rest, in the level and mode `level`. Used by Save and the autosave alike.
// On a failure before step 2 the old files are untouched and nothing new is left behind.
std::optional<SaveFailure> writeGameSet(const SaveSet& set, const GameState& game,
                                        const SavedLevel& level);

// Removes the set's files. The state file is first renamed (".NAME.gone") and synced, so that
// no half of the set can pass for a game: a removal a power cut stops is finished by the next
// write or start. The first file that could not be removed, and why; none when none is left.
std::optional<SaveFailure> removeSaveSet(const SaveSet& set);

// True when any of the set's files is there, or a write of it waits to be finished (the set
// may still be refused when read).
bool saveSetExists(const SaveSet& set);

// At the start: what a program stopped in the middle of a write left behind in the locked
// folder. The temporary files of every file the game writes there are removed, and each set
// is finished or thrown away, whichever leaves a whole game. Nothing without the lock held.
void tidyDataFolder(const FolderLock& lock);

} // namespace quotara
