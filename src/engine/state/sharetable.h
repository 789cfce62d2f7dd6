#pragma once
// The built-in share table and the start values of a game.

#include "state/gamestate.h"

#include <array>
#include <string_view>

namespace quotara {

struct BuiltinShare {
    std::string_view name;
    std::uint8_t sector;
    std::uint16_t price; // pence; record 20 has none
};

// Records 0..20; record 20 gets only its name and sector.
extern const std::array<BuiltinShare, kShareCount + 1> kBuiltinShares;

// The sector names of the Share Lookup page, 1..12; empty for any other number.
QString sectorName(int sector);

constexpr std::int32_t kStartDow = 8452, kStartFtse = 5217, kStartHangseng = 15444;
constexpr double kStartInterest = 7.25, kStartInflation = 2.5;
constexpr std::int32_t kStartUnemployed = 1925000;

} // namespace quotara
