#pragma once
// Saved games: File > Save Game and File > Load Game.
//
// A saved game is three files in the data folder. savegame.shr and savegame.ply each hold the
// image of shares 0..19 (20 records of 2076 bytes, the share record as in memory); other
// programs read and write these, and a load takes the shares from savegame.ply. savegame.sta
// is our own and holds the rest of a game that must come back with it: cash, calendar,
// economy, headlines, level, deadline, the two-player fields, the names and the news items'
// used flags, and the gold bars won.

#include "play/levels.h"
#include "play/savefiles.h"
#include "play/savestate.h"
#include "state/game.h"
#include "state/recordfile.h"

#include <QString>

#include <vector>

namespace quotara {

// The level and mode a save keeps.
SavedLevel savedLevel(const NewGame& ng);

// True when the name is not empty and the file can be opened for reading.
bool fileexists(const QString& name);

// The load's refresh figures, which the window then copies: the calendar step (dayeval); when
// the slots did not come back with a state file (a save without one), slots 1, 2 and 4 from
// the item numbers last put in them, a slot whose number is 0 left empty; then the ticker
// text of those headlines.
void loadRefresh(GameState& state, bool slotsRestored);

// The standard error text with the file and the system's reason:
// "Disk full (savegame.ply: No space left on device)".
QString saveFailureText(const SaveFailure& failure);

// File > Save Game. Writes the three files as one set: a save cut short at any instant
// leaves the old game or the new one. Then "Game saved successfully.". A failure is shown
// with its reason and leaves the old files as they were. Works before any game has begun.
bool savegame(Game& game, const NewGame& ng);

// The first steps of File > Load Game: both share files, and the state file when there is one,
// read and checked whole. Nothing in the game has changed yet.
struct SavedGameRead {
    enum class Outcome {
        Ready,
        NoSaveFile,  // "There is no save game file to load!"
        FileError,   // the saved game cannot be read: `error` with `file`
        Damaged,     // savegame.sta is damaged
        OtherShares, // savegame.sta was written for other shares than savegame.ply's
        Newer,       // savegame.sta was written by a newer version of the game
    };
    Outcome outcome = Outcome::NoSaveFile;
    FileError error;
    QString file;                          // the file of the error
    std::vector<Tshare> shares;            // savegame.ply's records, made safe
    std::vector<std::uint8_t> sharesImage; // savegame.shr as read
    bool hasState = false;                 // there is a savegame.sta
    StateFileCheck state;                  // its content, valid when Ready and hasState
};
SavedGameRead readSavedGame(const DataFolder& folder);
SavedGameRead readSaveSet(const SaveSet& set); // the same for any set (the autosave)

// A refused load's message box.
void reportRefusal(Messages& messages, const SavedGameRead& read);
// A refused resume's: the autosave is named, and left in place.
void reportResumeRefusal(Messages& messages, const SavedGameRead& read);

// A Ready read into the game: shares 0..19 from savegame.ply; with a state file, also the
// level and mode in the new-game window's bookkeeping and every field the file holds; for the
// fields it lacks, what a load without a state file gives.
void applySavedGame(const SavedGameRead& read, GameState& state, NewGame& ng);

} // namespace quotara
