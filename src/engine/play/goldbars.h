#pragma once
// Gold bars from one start to the next: the count and the levels that have paid theirs, kept in
// the settings as
//     [GoldBars]
//     count=3
//     levels=1,2,5
// (levels by their number, 1..15). A line that cannot be read, or gives more than the levels
// can award, is passed over and the rest of the file kept.

#include "state/settings.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace quotara {

struct GoldBars {
    int count = 0;               // 0..kMostGoldBars
    std::uint16_t levelsWon = 0; // bit r: level row r has paid its bar (GameState::levelswon)
    bool operator==(const GoldBars&) const = default;
};

GoldBars readGoldBars(const Settings& settings);
// Both written at once; a failure's text, or empty.
QString writeGoldBars(Settings& settings, const GoldBars& bars);

// "1,2,5" for rows 0, 1 and 4; empty for none.
QString levelsWonText(std::uint16_t levelsWon);
// The rows of such a text; nothing when a number is not a level.
std::optional<std::uint16_t> levelsWonOf(const QString& text);

} // namespace quotara
