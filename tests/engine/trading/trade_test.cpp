#include "play/record.h"
#include "support/fakes.h"
#include "support/market.h"
#include "trading/trade.h"

#include <gtest/gtest.h>

#include <limits>

using namespace quotara;
using Kind = Messages::Kind;

namespace {
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
}

class Trade : public ::testing::Test {
  protected:
    void SetUp() override { test::fillBuiltinShares(state); }
    // Share 0, priced in pence.
    Tshare& at(int price) {
        state.shares[0].price = static_cast<std::uint16_t>(price);
        return state.shares[0];
    }
    TradeOutcome ok(const QString& caption, const QString& quantity) {
        messages.log.clear();
        return tradeOk(game, caption, 0, quantity);
    }
    QString said() const { return messages.log.empty() ? QString() : messages.log.back().text; }

    test::FakeClock clock;
    test::RecordingMessages messages;
    Game game{clock, messages, DataFolder(QStringLiteral("unused"))};
    GameState& state = game.state;
};

TEST_F(Trade, quantityTakesBlanksSignsAndHex) {
    for (const char* ok : {" 12", "+12", "0012", "$C", "$c", "   $0000000C"})
        EXPECT_EQ(parseQuantity(QString::fromLatin1(ok)), 12) << ok;
    EXPECT_EQ(parseQuantity("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(parseQuantity("2147483647"), kMax);
    EXPECT_EQ(parseQuantity("$7FFFFFFF"), kMax);
    for (const char* bad : {"12 ", "12.0", "1e1", "", " ", "+", "-", "$", "2147483648",
                            "-2147483649", "$80000000", "-$C", "0x10", "1 2", "\t12"})
        EXPECT_FALSE(parseQuantity(QString::fromLatin1(bad)).has_value()) << bad;
}

TEST_F(Trade, badQuantityChangesNothingAndSkipsTheRefresh) {
    state.money = 1000;
    const TradeOutcome r = ok(kBuyCaption, "12.0");
    EXPECT_FALSE(r.converted);
    ASSERT_EQ(messages.log.size(), 1u);
    EXPECT_EQ(messages.log[0].kind, Kind::Error);
    EXPECT_EQ(said(), "'12.0' is not a valid integer value");
    EXPECT_EQ(state.money, 1000);
}

TEST_F(Trade, buyingWithAThousandPoundsAt252p) {
    state.money = 1000;
    at(250);
    const TradeDialogFigures f = openTrade(state, TradeMode::Buy, 0);
    EXPECT_EQ(f.caption, "Buy shares");
    EXPECT_EQ(f.price, "252p");
    EXPECT_EQ(f.money, QString::fromUtf8("£1000"));
    EXPECT_EQ(f.afford, "396 shares");

    EXPECT_FALSE(ok(kBuyCaption, "397").completed);
    EXPECT_EQ(said(), "You can't afford that many shares!");
    EXPECT_FALSE(ok(kBuyCaption, "0").completed);
    EXPECT_EQ(said(), "It is necessary to buy a positive number of shares!");
    EXPECT_EQ(state.money, 1000);

    EXPECT_TRUE(ok(kBuyCaption, "396").completed);
    ASSERT_EQ(messages.log.size(), 1u); // the sale step is not reached after a purchase
    EXPECT_EQ(said(), QString::fromUtf8("The shares cost £998"));
    EXPECT_EQ(state.money, 2);
    EXPECT_EQ(state.shares[0].owned, 396);
    EXPECT_EQ(state.shares[0].cost, 998);

    const TradeDialogFigures s = openTrade(state, TradeMode::Sell, 0);
    EXPECT_EQ(s.caption, "Sell shares");
    EXPECT_EQ(s.price, "248p");
    EXPECT_EQ(s.afford, QString::fromUtf8("£982")); // Trunc(982.08)
}

TEST_F(Trade, purchaseAmountsRoundHalfToEven) {
    state.money = 1000;
    at(200); // buy price 202p
    ok(kBuyCaption, "25");
    EXPECT_EQ(said(), QString::fromUtf8("The shares cost £50"));
    at(204); // buy price 206p
    ok(kBuyCaption, "25");
    EXPECT_EQ(said(), QString::fromUtf8("The shares cost £52"));
    EXPECT_EQ(state.shares[0].cost, 102);
    EXPECT_EQ(state.money, 898);
}

TEST_F(Trade, saleTakesTheSoldShareOfTheBookCost) {
    state.money = 100;
    Tshare& s = at(100); // sell price 99p
    test::hold(s, 100, 333);
    EXPECT_TRUE(ok(kSellCaption, "50").completed);
    EXPECT_EQ(s.cost, 167); // 333 - Round(166.5)
    EXPECT_EQ(s.owned, 50);
    EXPECT_EQ(state.money, 150); // Round(49.5)
    EXPECT_EQ(said(), QString::fromUtf8("You now have £150 in the bank."));

    test::hold(s, 3, 10);
    ok(kSellCaption, "2");
    EXPECT_EQ(s.cost, 3); // 10 - Round(6.67)

    test::hold(s, 7, 13);
    EXPECT_TRUE(ok(kSellCaption, "7").completed);
    EXPECT_EQ(s.cost, 0);
    EXPECT_EQ(s.owned, 0);
}

TEST_F(Trade, saleRefusalsChangeNothing) {
    Tshare& s = at(100);
    test::hold(s, 5, 10);
    EXPECT_FALSE(ok(kSellCaption, "6").completed);
    EXPECT_EQ(said(), "You don't have that many shares to sell!");
    EXPECT_FALSE(ok(kSellCaption, "-1").completed);
    EXPECT_EQ(said(), "It is necessary to sell a positive number of shares!");
    // A caption that is neither mode trades nothing, but the refresh still runs.
    const TradeOutcome r = ok("Buy or Sell shares", "1");
    EXPECT_TRUE(r.converted);
    EXPECT_TRUE(messages.log.empty());
    EXPECT_EQ(s.owned, 5);
    EXPECT_EQ(s.cost, 10);
}

// Cash and products are formed in 64 bits; what would not fit its 32-bit field is refused.
TEST_F(Trade, tradesBeyondThirtyTwoBitsAreRefused) {
    state.money = 30'000'000; // money * 100 passes 2^31
    at(250);
    EXPECT_EQ(openTrade(state, TradeMode::Buy, 0).afford, "11904761 shares");

    state.money = kMax;
    Tshare& s = at(1); // spread 0
    EXPECT_EQ(openTrade(state, TradeMode::Buy, 0).afford, "2147483647 shares");
    EXPECT_TRUE(ok(kBuyCaption, "2147483647").completed);
    EXPECT_EQ(s.cost, 21474836);
    EXPECT_FALSE(ok(kBuyCaption, "1").completed); // the holding is full
    EXPECT_EQ(said(), "You can't afford that many shares!");

    test::hold(s, 0, kMax - 5);
    at(1000);
    EXPECT_FALSE(ok(kBuyCaption, "1").completed); // the book cost is full
    EXPECT_EQ(said(), "You can't afford that many shares!");
    EXPECT_EQ(s.owned, 0);

    state.money = kMax - 10;
    test::hold(s, 100, 1000);
    EXPECT_FALSE(ok(kSellCaption, "100").completed); // the cash is full
    EXPECT_EQ(said(), "You don't have that many shares to sell!");
    EXPECT_EQ(state.money, kMax - 10);
    EXPECT_EQ(s.owned, 100);
}

// Loaded records can hold what play never reaches: proceeds beyond 32 bits whose sum with the
// cash still fits. The sum must be formed whole, not wrapped.
TEST_F(Trade, sumsThatFitAreFormedWithoutWrapping) {
    state.money = -2'000'000'000;
    Tshare& s = at(65535); // sells at 64880p
    test::hold(s, 5'000'000, 100);
    EXPECT_TRUE(ok(kSellCaption, "4624000").completed); // proceeds £3,000,051,200
    EXPECT_EQ(state.money, 1'000'051'200);
    EXPECT_EQ(said(), QString::fromUtf8("You now have £1000051200 in the bank."));
    EXPECT_EQ(s.owned, 376'000);
}

TEST_F(Trade, freeShareIsLimitedOnlyByTheHolding) {
    state.money = 0;
    Tshare& s = at(0);
    test::hold(s, 7, 0);
    EXPECT_EQ(openTrade(state, TradeMode::Buy, 0).afford, "2147483640 shares");
    EXPECT_TRUE(ok(kBuyCaption, "5").completed);
    EXPECT_EQ(said(), QString::fromUtf8("The shares cost £0"));
    EXPECT_EQ(s.owned, 12);
}
