#include "play/newgamereset.h"
#include "play/startup.h"
#include "state/sharetable.h"

#include <tuple>

#include <gtest/gtest.h>

using namespace quotara;

TEST(NewGameReset, putsTheMarketBackAndKeepsThePlayersChoices) {
    auto s = std::make_unique<GameState>();
    loadStartValues(*s);
    s->shares[2].name.assign(std::string_view("Loaded Water"));
    s->shares[2].sector = 5;
    s->day = 9, s->month = 7, s->year = 2003, s->daycount = 190;
    s->dow = 1, s->ftse = 2, s->hangseng = 3, s->unemployed = 5;
    s->dowchange = 5, s->ftsechange = -3, s->hangchange = 9, s->unemployedchange = 7000;
    s->interest = 1, s->inflation = 1;
    s->money = 321, s->startmoney = 15000, s->target = 16000;
    s->endday = 1, s->endmonth = 2, s->goldbarcount = 4, s->goldwon = 1;
    s->headlines1 = {"one", 5};
    s->headlines2 = {"two", 6};
    s->headlines4 = {"four", 44};
    s->headline4days = 2;
    for (int i = 0; i < kShareCount; ++i) {
        Tshare& share = s->shares[i];
        share.price = 9999;
        share.high = 10000;
        share.low = 5;
        share.change = 12;
        share.cost = 100;
        share.owned = 50;
        share.p1owned = 8;
        std::fill(share.history.begin(), share.history.end(), 77);
    }
    for (auto& item : s->newsitems)
        item.used = 1;

    newgamereset(*s);

    EXPECT_TRUE(s->headlines1.caption.isEmpty());
    EXPECT_FALSE(s->headlines1.hasNumber());
    EXPECT_FALSE(s->headlines2.hasNumber());
    EXPECT_FALSE(s->headlines4.hasNumber());
    EXPECT_TRUE(s->headlines4.caption.isEmpty());
    EXPECT_EQ(std::tuple(s->day, s->month, s->year, s->daycount), std::tuple(1, 1, 1999, 1));
    EXPECT_EQ(std::tuple(s->dow, s->ftse, s->hangseng, s->unemployed),
              std::tuple(8452, 5217, 15444, 1925000));
    EXPECT_EQ(std::tuple(s->dowchange, s->ftsechange, s->hangchange, s->unemployedchange),
              std::tuple(0, 0, 0, 0));
    EXPECT_EQ(std::tuple(s->interest, s->inflation), std::tuple(7.25, 2.5));
    for (int i = 0; i < kShareCount; ++i) {
        const Tshare& share = s->shares[i];
        const int start = kBuiltinShares[i].price;
        // The parked two-player holding (p1owned 8) stays.
        EXPECT_EQ(std::tuple(share.price, share.high, share.low, share.change, share.cost,
                             share.owned, share.p1owned, share.history[1]),
                  std::tuple(start, start, start, 0, 0, 0, 8, start))
            << "share " << i;
        for (int d = 2; d <= 365; ++d)
            ASSERT_EQ(share.history[d], 0);
        EXPECT_EQ(share.history[366], 77);
    }
    // A loaded share table keeps its names and sectors.
    EXPECT_EQ(s->shares[2].name.toQString(), "Loaded Water");
    EXPECT_EQ(s->shares[2].sector, 5);
    for (int n = 1; n <= kNewsCount; ++n)
        ASSERT_EQ(s->newsitems[n].used, 0);
    // The player's choices stay.
    EXPECT_EQ(std::tuple(s->money, s->startmoney, s->target, s->endday, s->endmonth),
              std::tuple(321, 15000, 16000, 1, 2));
    EXPECT_EQ(std::tuple(s->goldbarcount, s->goldwon), std::tuple(4, 1));
}
