#pragma once
// The record of the game being played: where it started, each trading day's close and every
// completed trade. It starts with the game (or at the load of a game saved without one) and is
// saved with it.

#include "state/text.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quotara {

// A calendar date of the game: day 1..31, month 1..12, year from 1999.
struct GameDate {
    std::uint8_t day = 0, month = 0;
    std::uint16_t year = 0;

    // Orders dates: year, then month, then day.
    std::uint32_t key() const { return std::uint32_t{year} * 10000u + month * 100u + day; }
    friend bool operator==(const GameDate&, const GameDate&) = default;
};

// The position at a day's prices. The newest entry is today's and follows the trades made
// today, so it always shows the position as the portfolio does; End Day then adds the next.
struct DayClose {
    GameDate date;
    std::int32_t cash = 0;     // pounds
    std::int64_t holdings = 0; // pounds: every holding at the day's price, each rounded
    std::int64_t worth = 0;    // pounds: cash + holdings
    friend bool operator==(const DayClose&, const DayClose&) = default;
};

enum class TradeSide : std::uint8_t { Buy = 0, Sell = 1 };

// One completed purchase or sale, as the trade dialog settled it.
struct TradeEntry {
    GameDate date;
    std::uint8_t share = 0; // 0..19
    PString<40> name;       // the share's name when traded
    TradeSide side = TradeSide::Buy;
    std::int32_t quantity = 0;  // shares, 1 or more
    std::int32_t price = 0;     // pence per share paid or received (spread included)
    std::int32_t total = 0;     // pounds paid or received, rounded
    std::int32_t cashAfter = 0; // pounds
    std::uint8_t player = 0;    // who traded in a two-player game, 1 or 2; 0 with one player
    friend bool operator==(const TradeEntry&, const TradeEntry&) = default;
};

// The most a record keeps (about a thousand years of days); past them the oldest go, so a
// saved game always loads again.
constexpr std::size_t kMostRecordedDays = 400'000;
constexpr std::size_t kMostRecordedTrades = 200'000;

struct PlayRecord {
    // The position the record counts from, taken before any trade: the money the game started
    // with. None in a record kept by version 2, which noted only the first day after its
    // trades.
    std::optional<DayClose> start;
    std::vector<DayClose> days;     // in date order, one per date; player 1's with two players
    std::vector<TradeEntry> trades; // in the order they were made
    // A two-player game's player 2, on the dates of days; empty with one player.
    std::vector<DayClose> secondDays;
    friend bool operator==(const PlayRecord&, const PlayRecord&) = default;
};

} // namespace quotara
