#pragma once
// The saved-state file savegame.sta: the rest of a game beside the two share files. It is a
// file of our own with a version (state/versionedfile.h): a game saved by any earlier version
// loads, one saved by a newer version is refused. Its fields are one table in savestate.cpp,
// each with the version it appeared in and the range of values play can give it.

#include "play/levels.h"
#include "state/gamestate.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace quotara {

// The version this build writes, and the newest it loads.
constexpr std::uint16_t kStateFileVersion = 3;
// The largest state file a load reads; a larger one is damaged.
constexpr std::size_t kStateFileMaxSize = 64 * 1024 * 1024;

// The level in force and the chosen mode, as the new-game window holds them.
struct SavedLevel {
    int level = kDefaultLevel; // a level row 0..14, kDefaultLevel or kFreePlayLevel
    int mode = 1;              // 1 single play, 2 free play, 3 two-player
};

// What a state file holds: the game's fields it saves (the rest of the state left empty) and
// what lies beside them in the file.
struct SavedState : GameState {
    std::uint64_t sharesDigest = 0; // FNV-1a of the share image saved with it
    std::int8_t levelRow = kDefaultLevel;
    std::uint8_t mode = 1;
    // Headline slots 1, 2 and 4: the number in force (-1 for none) and whether the caption
    // shows (0 or 1).
    std::array<std::int16_t, 3> slotNumber{-1, -1, -1};
    std::array<std::uint8_t, 3> slotShown{};
    // Version 2: the record of the game (GameState::record), as two counted lists.
    std::vector<DayClose> recordDays;
    std::vector<TradeEntry> recordTrades;
    // Version 3: the record's start (PlayRecord::start), a list of none or one, and a
    // two-player game's player 2 (PlayRecord::secondDays).
    std::vector<DayClose> recordStart;
    std::vector<DayClose> recordSecondDays;
};

// The bytes of savegame.sta for the state, the level and the share image beside it.
std::vector<std::uint8_t> encodeStateFile(const GameState& state, const SavedLevel& level,
                                          std::span<const std::uint8_t> shareImage);

// A state file checked whole: its mark, version, size and checksum, every field in the range
// play gives it, and made for the share image beside it.
struct StateFileCheck {
    enum class Result { Valid, Damaged, OtherShares, Newer };
    Result result = Result::Damaged;
    std::uint16_t version = 0;               // the file's version, when valid
    std::shared_ptr<const SavedState> saved; // when valid
    SavedLevel level;
};
StateFileCheck checkStateFile(std::span<const std::uint8_t> bytes,
                              std::span<const std::uint8_t> shareImage);

// A valid file's fields into the game: every field its version holds, and for the fields it
// lacks what a load without a state file gives. The headline slots get their numbers back,
// and the text of their item as caption where one showed.
void applyStateFile(const StateFileCheck& check, GameState& to);

// A load without a state file (a save from another program): the fields that have a value
// for a file that lacks them get it; the rest keep what memory holds.
void applyNoStateFile(GameState& to);

} // namespace quotara
