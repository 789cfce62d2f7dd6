#include "support/market.h"
#include "trading/lookup.h"
#include "trading/portfolio.h"
#include "trading/spread.h"

#include <gtest/gtest.h>

using namespace quotara;
using test::hold;

TEST(Spread, isOnePercentRoundedHalfToEven) {
    // At the halves 0.5, 1.5, 2.5 and 3.5 the even neighbour wins.
    const std::pair<int, int> cases[] = {{49, 0}, {50, 0}, {149, 1}, {150, 2}, {250, 2}, {350, 4}};
    for (auto [price, expected] : cases)
        EXPECT_EQ(spread(price), expected) << price;
}

class Figures : public ::testing::Test {
  protected:
    void SetUp() override { test::fillBuiltinShares(state); }
    GameState state;
};

TEST_F(Figures, lookupOfAShareNotHeld) {
    Tshare& s = state.shares[3];
    s.price = 250;
    s.change = -7;
    const LookupFigures f = lookupFigures(state, 3);
    EXPECT_EQ(f.price, "250p");
    EXPECT_EQ(f.change, "-7");
    EXPECT_EQ(f.changeTone, Tone::Red);
    EXPECT_EQ(f.owned, "0 shares");
    EXPECT_FALSE(f.sellEnabled);
    EXPECT_EQ(f.cost, "N/A");
    EXPECT_EQ(f.value, "N/A");
    EXPECT_EQ(f.sector, "Transport");
    EXPECT_EQ(f.buyprice, "252p");
    EXPECT_EQ(f.sellprice, "248p");
    s.sector = 13; // the label keeps its text
    EXPECT_FALSE(lookupFigures(state, 3).sector.has_value());
}

TEST_F(Figures, lookupTruncatesWhereThePortfolioRounds) {
    Tshare& s = state.shares[0];
    s.price = 150;
    s.change = 0;
    hold(s, 3, 5); // 166.67p a share
    const LookupFigures f = lookupFigures(state, 0);
    EXPECT_EQ(f.cost, "166p");
    EXPECT_EQ(f.value, QString::fromUtf8("£4")); // Trunc(4.5)
    EXPECT_EQ(f.change, "+0");
    EXPECT_EQ(f.changeTone, Tone::Blue);
    EXPECT_TRUE(f.sellEnabled);
    EXPECT_EQ(f.buyprice, "152p");
    EXPECT_EQ(f.sellprice, "148p");

    const PortfolioRow row = portfolioFigures(state).rows.at(0);
    EXPECT_EQ(row.cost, "167");
    EXPECT_EQ(row.value, QString::fromUtf8("£4")); // Round(4.5) goes to even
    EXPECT_EQ(row.profit, QString::fromUtf8("£-1"));
    EXPECT_EQ(row.profitTone, Tone::Red);

    s.price = 99;
    hold(s, 7, 7);
    EXPECT_EQ(lookupFigures(state, 0).value, QString::fromUtf8("£6")); // Trunc(6.93)
}

TEST_F(Figures, emptyPortfolioIsAllCash) {
    state.money = 15000;
    const PortfolioFigures f = portfolioFigures(state);
    EXPECT_TRUE(f.rows.empty());
    EXPECT_EQ(f.cost, QString::fromUtf8("£0"));
    EXPECT_EQ(f.profit, QString::fromUtf8("£0"));
    EXPECT_EQ(f.profitTone, Tone::Blue);
    EXPECT_EQ(f.total, QString::fromUtf8("£15000"));
}

TEST_F(Figures, portfolioRowRoundsHalfToEven) {
    Tshare& s = state.shares[2];
    s.price = 155;
    hold(s, 10, 16);
    const PortfolioFigures f = portfolioFigures(state);
    ASSERT_EQ(f.rows.size(), 1u);
    const PortfolioRow& r = f.rows[0];
    EXPECT_EQ(r.owned, "10");
    EXPECT_EQ(r.cost, "160");
    EXPECT_EQ(r.value, QString::fromUtf8("£16")); // Round(15.5)
    EXPECT_EQ(r.price, "155p");
    EXPECT_EQ(r.profit, QString::fromUtf8("£0"));
    EXPECT_EQ(r.profitTone, Tone::Blue);
}

// Every holding has its row, the ninth too; the totals count them all.
TEST_F(Figures, everyHoldingHasARowAndCountsInTheTotals) {
    state.money = 1000;
    for (int i = 0; i < 9; ++i) {
        state.shares[2 * i].price = 100;
        hold(state.shares[2 * i], 10, 12); // value £10, a loss of £2 each
    }
    state.shares[16].price = 200; // the ninth: value £20, a gain of £8
    const PortfolioFigures f = portfolioFigures(state);
    ASSERT_EQ(f.rows.size(), 9u);
    EXPECT_EQ(f.rows[0].name, "Abbey National");
    EXPECT_EQ(f.rows[7].name, "Norwich Union");
    EXPECT_EQ(f.rows[8].name, "Powergen");
    EXPECT_EQ(f.cost, QString::fromUtf8("£108"));
    EXPECT_EQ(f.profit, QString::fromUtf8("£-8")); // 8 * -2 + 8
    EXPECT_EQ(f.profitTone, Tone::Red);
    EXPECT_EQ(f.total, QString::fromUtf8("£1100"));

    state.shares[16].price = 400; // a larger gain outweighs the losses
    EXPECT_EQ(portfolioFigures(state).profit, QString::fromUtf8("£12"));
    EXPECT_EQ(portfolioFigures(state).profitTone, Tone::Blue);
}
