#include "setup/startup.h"

#include <gtest/gtest.h>

using namespace quotara;

TEST(StartValues, fillCalendarEconomyAndTheBuiltinTable) {
    auto s = std::make_unique<GameState>();
    s->shares[3].name.assign(std::string_view("Loaded Co"));
    s->shares[3].sector = 7;
    loadStartValues(*s);
    EXPECT_EQ(s->day, 1);
    EXPECT_EQ(s->month, 1);
    EXPECT_EQ(s->year, 1999);
    EXPECT_EQ(s->daycount, 0); // start-up leaves it for the new game
    EXPECT_EQ(s->dow, 8452);
    EXPECT_EQ(s->ftse, 5217);
    EXPECT_EQ(s->hangseng, 15444);
    EXPECT_EQ(s->interest, 7.25);
    EXPECT_EQ(s->inflation, 2.5);
    EXPECT_EQ(s->unemployed, 1925000);
    EXPECT_EQ(s->shares[0].name.toQString(), "Abbey National");
    EXPECT_EQ(s->shares[3].name.toQString(), "BAA");
    EXPECT_EQ(s->shares[3].sector, 11);
    EXPECT_EQ(s->shares[17].price, 1586);
    EXPECT_EQ(s->shares[17].high, 1586);
    EXPECT_EQ(s->shares[17].low, 1586);
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
