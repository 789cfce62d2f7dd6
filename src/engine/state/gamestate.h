#pragma once
// Engine tree, state/: the bottom of the engine (src/engine, Qt Core only, tested headless). The
// game's data, its records and files, money and the generator; it includes no other folder.
//
// All data of a game, in one record. Field names are the game's own everywhere.

#include "state/playrecord.h"
#include "state/records.h"

#include <QString>

#include <array>
#include <cstdint>

namespace quotara {

constexpr int kShareCount = 20;     // records 0..19 are the game's companies
constexpr int kShareCapacity = 101; // records 0..100
constexpr int kNewsCount = 200;     // news items 1..200
constexpr int kYearDays = 365;      // history entries the calendar uses

// A headline place of the World News page: the caption shown and the item number in force.
// The number stands for the slot's hidden number text: -1 is the empty text.
struct HeadlineSlot {
    QString caption;
    int number = -1;

    bool hasNumber() const { return number >= 0; }
    QString numberText() const { return number < 0 ? QString() : QString::number(number); }
    void clear() {
        caption.clear();
        number = -1;
    }
};

struct GameState {
    std::array<Tshare, kShareCapacity> shares{};

    // Calendar. No leap years; daycount runs 1..365 from 1 January.
    std::uint8_t day = 0, month = 0;
    std::uint16_t year = 0;
    std::uint16_t daycount = 0;

    // Player, money (whole pounds) and level. endday = endmonth = 0: no deadline.
    std::int32_t money = 0, startmoney = 0, target = 0;
    std::uint8_t endday = 0, endmonth = 0;
    std::uint8_t goldbarcount = 0;
    std::uint8_t goldwon = 0; // 0 or 1
    // The levels that have paid their gold bar: bit r for level row r (0..14). A level pays
    // once, ever, so this lasts as the count does.
    std::uint16_t levelswon = 0;
    PString<20> username;
    std::uint8_t twoplayer = 0; // 1: two-player game
    std::uint8_t player = 0;    // 1 or 2: whose turn it is; anything else: no hand-over
    PString<20> p1name, p2name;
    std::int32_t p1money = 0, p2money = 0;

    // Economy. Index values in points, held in 32 bits so they never wrap; never below 0.
    std::int32_t dow = 0, ftse = 0, hangseng = 0;
    std::int32_t dowchange = 0, ftsechange = 0, hangchange = 0;
    double interest = 0, inflation = 0; // percent
    std::int32_t unemployed = 0, unemployedchange = 0;

    // News: items 1..200 (entry 0 unused) and the headlines in force.
    std::array<Tnewsitem, kNewsCount + 1> newsitems{};
    std::uint8_t headline1item = 0, headline2item = 0, headline4item = 0;
    std::int32_t headline4days = 0; // End Days for which slot 4 still moves prices
    HeadlineSlot headlines1, headlines2, headlines4;
    QString tickerText; // what the news ticker scrolls

    // How the game being played went: its daily closes and trades.
    PlayRecord record;
};

inline GameDate gameDate(const GameState& state) {
    return {state.day, state.month, state.year};
}

} // namespace quotara
