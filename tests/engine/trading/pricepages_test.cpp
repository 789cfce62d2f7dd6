#include "support/market.h"
#include "trading/pricepages.h"

#include <gtest/gtest.h>

using namespace quotara;

namespace {

std::vector<int> sharesOn(const GameState& state, int page) {
    std::vector<int> out;
    for (const PriceRow& r : priceRows(state, page))
        if (r.share >= 0) out.push_back(r.share);
    return out;
}

} // namespace

TEST(PricePages, selectorStepsRoundTheSeventeenPages) {
    const QStringList names = pricePageNames();
    ASSERT_EQ(names.size(), kPricePageCount);
    EXPECT_EQ(names.front(), "Popular Shares");
    EXPECT_EQ(names[4], "Shares S-Z");
    EXPECT_EQ(names[10], "Leisure & Hotels");
    EXPECT_EQ(names.back(), "Water");
    EXPECT_EQ(stepPricePage(0, -1), 16);
    EXPECT_EQ(stepPricePage(16, 1), 0);
    EXPECT_EQ(stepPricePage(3, 1), 4);
}

TEST(PricePages, letterAndSectorPagesListTheirSharesInTableOrder) {
    GameState state;
    test::fillBuiltinShares(state);
    EXPECT_EQ(sharesOn(state, 0).size(), 20u);
    EXPECT_EQ(sharesOn(state, 1), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(sharesOn(state, 2), (std::vector<int>{10, 11}));
    EXPECT_EQ(sharesOn(state, 3), (std::vector<int>{12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(sharesOn(state, 4), (std::vector<int>{18, 19}));
    EXPECT_EQ(sharesOn(state, 5), (std::vector<int>{0, 1, 10}));              // Banks
    EXPECT_EQ(sharesOn(state, 6), (std::vector<int>{4, 12, 13, 16, 18, 19})); // Electricity
    EXPECT_TRUE(sharesOn(state, 10).empty());                                 // no sector 6
    EXPECT_EQ(sharesOn(state, 16), (std::vector<int>{2, 11}));                // Water
    state.shares[11].name.assign(std::string_view("hyder"));
    EXPECT_EQ(sharesOn(state, 2), (std::vector<int>{10, 11}));

    const auto water = priceRows(state, 16);
    EXPECT_EQ(water[1].name, "hyder");
    EXPECT_EQ(water[2].share, -1);
    EXPECT_TRUE(water[2].name.isEmpty());
    EXPECT_TRUE(priceRows(state, 17)[0].name.isEmpty());
}

TEST(PricePages, rowColoursFollowHoldingAndChange) {
    GameState state;
    test::fillBuiltinShares(state);
    state.shares[0].change = -12;
    state.shares[1].change = 12;
    state.shares[1].owned = 1;
    const auto rows = priceRows(state, 0);
    EXPECT_EQ(rows[0].name, "Abbey National");
    EXPECT_EQ(rows[0].price, "1134");
    EXPECT_EQ(rows[0].change, "-12");
    EXPECT_EQ(rows[0].changeTone, Tone::Red);
    EXPECT_EQ(rows[0].nameTone, Tone::Black);
    EXPECT_EQ(rows[1].change, "+12");
    EXPECT_EQ(rows[1].changeTone, Tone::Blue);
    EXPECT_EQ(rows[1].nameTone, Tone::Blue);
    EXPECT_EQ(rows[2].change, "+0");
    EXPECT_EQ(rows[2].changeTone, Tone::Blue);
    EXPECT_EQ(rows[11].share, 11);
    // The right-click "Sell" follows the share the row shows.
    EXPECT_TRUE(sellEnabledFor(state, rows[1].share));
    EXPECT_FALSE(sellEnabledFor(state, rows[0].share));
    EXPECT_FALSE(sellEnabledFor(state, -1));
}
