#include "play/startup.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace quotara;

TEST(StartValues, fillCalendarEconomyAndTheBuiltinTable) {
    auto s = std::make_unique<GameState>();
    s->shares[3].name.assign(std::string_view("Loaded Co"));
    s->shares[3].sector = 7;
    loadStartValues(*s);
    // daycount stays 0: start-up leaves it for the new game.
    EXPECT_EQ(std::tuple(s->day, s->month, s->year, s->daycount), std::tuple(1, 1, 1999, 0));
    EXPECT_EQ(std::tuple(s->dow, s->ftse, s->hangseng, s->unemployed),
              std::tuple(8452, 5217, 15444, 1925000));
    EXPECT_EQ(std::tuple(s->interest, s->inflation), std::tuple(7.25, 2.5));
    EXPECT_EQ(s->shares[0].name.toQString(), "Abbey National");
    EXPECT_EQ(s->shares[3].name.toQString(), "BAA");
    EXPECT_EQ(s->shares[3].sector, 11);
    const Tshare& railtrack = s->shares[17];
    EXPECT_EQ(std::tuple(railtrack.price, railtrack.high, railtrack.low),
              std::tuple(1586, 1586, 1586));
    EXPECT_EQ(s->shares[1].name.toQString(), "Alliance & Leicester");
    EXPECT_EQ(s->shares[1].name.len, 20);
    // Record 20: name and sector only.
    EXPECT_EQ(s->shares[20].name.toQString(), "Pennon G");
    EXPECT_EQ(s->shares[20].sector, 12);
    EXPECT_EQ(s->shares[20].price, 0);
    for (int i = 0; i < kShareCount; ++i)
        EXPECT_EQ(s->shares[i].history[1], 0); // no entry at program start
}

TEST(StartValues, writeTodaysHistoryEntryOnceAGameHasBegun) {
    auto s = std::make_unique<GameState>();
    s->daycount = 1;
    loadStartValues(*s);
    EXPECT_EQ(s->shares[7].history[1], 101);
    s->daycount = 1001; // beyond the record: nothing is written
    loadStartValues(*s);
    EXPECT_EQ(s->shares[7].history[1000], 0);
}
