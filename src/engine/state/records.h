#pragma once
// The two records of the game's files. Only records.cpp knows their byte layout: one table of
// fields per record, walked by both the reader and the writer.

#include "state/text.h"

#include <array>
#include <cstdint>
#include <span>

namespace quotara {

// One company. The same 2076 bytes are a record of the share data file and the saved games.
struct Tshare {
    static constexpr std::size_t kSize = 2076;
    static constexpr int kHistoryDays = 1000;

    PString<40> name;
    std::uint8_t sector = 0; // 1..12
    // Closing prices in pence, indexed 1..1000 by daycount; entry 0 is not part of the record.
    std::array<std::uint16_t, kHistoryDays + 1> history{};
    std::uint16_t high = 0;  // pence
    std::uint16_t low = 0;   // pence
    std::uint16_t price = 0; // pence
    std::int32_t change = 0; // pence, last End Day
    std::int32_t cost = 0;   // whole pounds, player whose turn it is
    std::int32_t owned = 0;  // shares, player whose turn it is
    std::int32_t p1cost = 0, p2cost = 0, p1owned = 0, p2owned = 0;
};

// One news item. 256 bytes in the news file.
struct Tnewsitem {
    static constexpr std::size_t kSize = 256;
    static constexpr int kSectors = 12;

    PString<200> text;
    std::array<std::uint8_t, 3> pad201{}; // kept as read
    // affect[0] is the FTSE effect, affect[s] sector s (1..12); grades -2..+2.
    std::array<std::int32_t, kSectors + 1> affect{};
    std::uint8_t probcode = 0; // 1..5 = "1%".."5%", 100 + n = special n, 0 = never set
    std::uint8_t used = 0;     // 1 once drawn as a daily headline in this game
    // Byte 254 holds affect[12] (Water) as a signed byte; the record has no field of its own
    // for it. The raw byte is kept so that a byte outside -2..+2 (read as 0) is written back.
    std::uint8_t waterbyte = 0;
    std::uint8_t pad255 = 0;
};

void encodeShare(const Tshare& share, std::span<std::uint8_t, Tshare::kSize> out);
Tshare decodeShare(std::span<const std::uint8_t, Tshare::kSize> in);

void encodeNewsItem(const Tnewsitem& item, std::span<std::uint8_t, Tnewsitem::kSize> out);
Tnewsitem decodeNewsItem(std::span<const std::uint8_t, Tnewsitem::kSize> in);

} // namespace quotara
