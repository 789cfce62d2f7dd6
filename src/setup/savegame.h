#pragma once
// Saved games: File > Save Game and File > Load Game.
//
// A saved game is three files in the data folder. savegame.shr and savegame.ply each hold the
// image of shares 0..19 (20 records of 2076 bytes, the share record as in memory); other
// programs read and write these, and a load takes the shares from savegame.ply. savegame.sta
// is our own and holds the rest of a game that must come back with it: cash, calendar,
// economy, headlines, level, deadline, the two-player fields, the names and the news items'
// used flags. Gold bars stay out: they belong to the run, not to a game.

#include "setup/levels.h"
#include "state/game.h"
#include "state/recordfile.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace quotara {

// The state file: a header, then the game state's fields at fixed offsets, little-endian, then
// a checksum of all that precedes it.
constexpr std::size_t kStateFileSize = 385;
constexpr std::uint16_t kStateFileVersion = 1;

// The level in force and the chosen mode, as the new-game window holds them.
struct SavedLevel {
    int level = kDefaultLevel; // a level row 0..14, kDefaultLevel or kFreePlayLevel
    int mode = 1;              // 1 single play, 2 free play, 3 two-player
};

SavedLevel savedLevel(const NewGame& ng);

// True when the name is not empty and the file can be opened for reading.
bool fileexists(const QString& name);

// The bytes of savegame.sta for the state, the level and the share image beside it.
std::vector<std::uint8_t> encodeStateFile(const GameState& state, const SavedLevel& level,
                                          std::span<const std::uint8_t> shareImage);

// A state file checked whole: right size, magic, version and checksum, every field in its
// range, and made for the share image beside it.
struct StateFileCheck {
    enum class Result { Valid, Damaged, OtherShares };
    Result result = Result::Damaged;
    std::unique_ptr<GameState> fields; // when valid: the file's fields, the rest empty
    SavedLevel level;
    std::array<int, 3> slotNumbers{-1, -1, -1}; // headline slots 1, 2, 4: -1 or 1..200
    std::array<bool, 3> slotShown{};            // the slot's caption shows
};
StateFileCheck checkStateFile(std::span<const std::uint8_t> bytes,
                              std::span<const std::uint8_t> shareImage);

// A valid file's fields into the game: everything savegame.sta holds, and nothing else. The
// headline slots get their numbers back, and the text of their item as caption where one
// showed.
void applyStateFile(const StateFileCheck& check, GameState& to);

// The load's refresh figures, which the window then copies: the calendar step (dayeval); when
// the slots came back with the state file, the ticker text of those headlines; otherwise
// (a save without one) slots 1, 2 and 4 from the item numbers last put in them, a slot whose
// number is 0 left empty, and the ticker text as it was.
void loadRefresh(GameState& state, bool slotsRestored);

// File > Save Game. Writes the three files, each complete, and replaces the old ones only
// once all three are written; then "Game saved successfully.". A file error is shown in the
// error box and leaves the old files as they were. Works before any game has begun.
bool savegame(Game& game, const NewGame& ng);

// The first steps of File > Load Game: both share files, and the state file when there is one,
// read and checked whole. Nothing in the game has changed yet.
struct SavedGameRead {
    enum class Outcome {
        Ready,
        NoSaveFile,  // "There is no save game file to load!"
        FileError,   // the standard file-error text of `error`
        Damaged,     // savegame.sta is damaged
        OtherShares, // savegame.sta was written for other shares than savegame.ply's
    };
    Outcome outcome = Outcome::NoSaveFile;
    FileError error;
    std::vector<Tshare> shares; // savegame.ply's records, made safe
    bool hasState = false;      // there is a savegame.sta
    StateFileCheck state;       // its content, valid when Ready and hasState
};
SavedGameRead readSavedGame(const DataFolder& folder);

// A refused load's message box.
void reportRefusal(Messages& messages, const SavedGameRead& read);

// A Ready read into the game: shares 0..19 from savegame.ply; with a state file, also the
// level and mode in the new-game window's bookkeeping and every field the file holds.
void applySavedGame(const SavedGameRead& read, GameState& state, NewGame& ng);

} // namespace quotara
