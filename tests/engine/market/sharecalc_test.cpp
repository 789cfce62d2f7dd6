#include "market/indices.h"
#include "market/sharecalc.h"
#include "support/marketgame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace quotara;

namespace {

// The worked example's indices: Dow 8552 up 100, Hang Seng 15244 down 200 (factor 0.2567).
void setMarketExample(GameState& s) {
    s.dow = 8552;
    s.dowchange = 100;
    s.hangseng = 15244;
    s.hangchange = -200;
}

// The first seed whose first draws give these results (draw out of n, result), to reach the
// ends of a band through the game's own code.
std::uint32_t seedDrawing(std::initializer_list<std::pair<std::uint32_t, std::uint32_t>> draws) {
    for (std::uint32_t seed = 0;; ++seed) {
        Random r = test::seeded(seed);
        if (std::all_of(draws.begin(), draws.end(),
                        [&r](const auto& d) { return r(d.first) == d.second; }))
            return seed;
    }
}

// A game with no news in force and the indices unchanged, share 0 at the given price.
struct PriceTest : ::testing::Test {
    test::MarketGame g;
    Tshare& share = g.s.shares[0];
    void SetUp() override {
        g.startFreePlay();
        setPrice(1000);
    }
    void setPrice(int p) { share.price = share.high = share.low = static_cast<std::uint16_t>(p); }
    // Runs sharecalc for share 0 at price p from the given seed.
    int moveFrom(std::uint32_t seed, int p) {
        setPrice(p);
        g.game.random.setSeed(seed);
        sharecalc(g.game, 0);
        return share.price;
    }
};

} // namespace

TEST(MarketFactor, followsTheDowAndHangSengMoves) {
    auto s = std::make_unique<GameState>();
    setMarketExample(*s);
    EXPECT_NEAR(marketFactor(*s), 0.2567, 0.00005);
    EXPECT_NEAR(marketFactor(*s), 0.5 * 10000.0 / 8552 - 0.25 * 20000.0 / 15244, 1e-12);
}

TEST(MarketFactor, aZeroIndexContributesNothing) {
    auto s = std::make_unique<GameState>();
    s->dow = 0;
    s->dowchange = -37;
    s->hangseng = 10000;
    s->hangchange = 400;
    EXPECT_DOUBLE_EQ(marketFactor(*s), 1.0);
    s->hangseng = 0;
    EXPECT_DOUBLE_EQ(marketFactor(*s), 0.0);
}

TEST(NewsEffect, looksUpTheTableWithTheStrongCasesFirst) {
    const std::pair<int, double> table[] = {
        {-20, -3.0}, {-9, -3.0}, {-8, -5.0}, {-7, -3.0}, {-6, -3.0}, {-5, -2.0}, {-4, -2.0},
        {-3, -1.0},  {-2, -1.0}, {-1, -0.5}, {0, 0.0},   {1, 0.5},   {2, 1.0},   {3, 1.0},
        {4, 2.0},    {5, 2.0},   {6, 3.0},   {7, 3.0},   {8, 5.0},   {9, 3.0},   {20, 3.0}};
    for (auto [score, effect] : table)
        EXPECT_EQ(newsEffect(score), effect) << score;
}

TEST(NewsScore, addsTheSlotsInForceAndSlot4OnlyWhileCounting) {
    auto s = std::make_unique<GameState>();
    s->newsitems[3].affect[5] = 2;
    s->newsitems[9].affect[5] = 2;
    s->newsitems[44].affect[5] = 1;
    s->newsitems[44].affect[0] = -2;
    EXPECT_EQ(newsScore(*s, 5), 0);
    s->headlines1.number = 3;
    s->headlines2.number = 9;
    s->headlines4.number = 44;
    s->headline4days = 1;
    EXPECT_EQ(newsScore(*s, 5), 5);
    EXPECT_EQ(newsEffect(newsScore(*s, 5)), 2.0);
    EXPECT_EQ(newsScore(*s, 0), -2); // the FTSE effect
    s->headline4days = 0;            // its number text may stay; it no longer counts
    EXPECT_EQ(newsScore(*s, 5), 4);
    s->headline4days = -3;
    EXPECT_EQ(newsScore(*s, 5), 4);
    s->headlines1.number = -1; // empty number text
    EXPECT_EQ(newsScore(*s, 5), 2);
}

TEST(NewsScore, ignoresItemNumbersAndEffectsOutsideTheTable) {
    auto s = std::make_unique<GameState>();
    for (auto& item : s->newsitems)
        item.affect.fill(2);
    s->headlines1.number = 0;
    s->headlines2.number = 201;
    s->headlines4.number = 255;
    s->headline4days = 3;
    EXPECT_EQ(newsScore(*s, 1), 0);
    s->headlines1.number = 200;
    EXPECT_EQ(newsScore(*s, 12), 2);
    EXPECT_EQ(newsScore(*s, 13), 0);
    EXPECT_EQ(newsScore(*s, -1), 0);
}

// A news file may hold any 32-bit effect; only the grades -2..+2 count, so large ones can
// neither overflow the sum nor turn very good news into a crash.
TEST(NewsScore, effectsOutsideTheGradesCountAsNothing) {
    auto s = std::make_unique<GameState>();
    s->headlines1.number = 1;
    s->headlines2.number = 2;
    s->headlines4.number = 3;
    s->headline4days = 1;
    const std::int32_t strays[] = {3, -3, 1000, std::numeric_limits<std::int32_t>::max(),
                                   std::numeric_limits<std::int32_t>::min()};
    for (std::int32_t stray : strays) {
        for (int n : {1, 2, 3})
            s->newsitems[n].affect.fill(stray);
        s->newsitems[3].affect[0] = s->newsitems[3].affect[7] = -2;
        EXPECT_EQ(newsScore(*s, 7), -2) << stray;
        EXPECT_EQ(newsScore(*s, 0), -2) << stray;
        EXPECT_EQ(newsScore(*s, 4), 0) << stray;
    }
}

TEST_F(PriceTest, at1000pWithoutNewsItMovesBy982PlusRandom40) {
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        Random replica = test::seeded(seed * 7919u);
        const int expected = 982 + static_cast<int>(replica(40));
        ASSERT_EQ(moveFrom(seed * 7919u, 1000), expected);
        EXPECT_EQ(share.change, expected - 1000);
        EXPECT_EQ(g.game.random.seed(), replica.seed()); // one draw: no low-price draw
    }
    // The band's ends: a drag of 18 pence below the noise's middle.
    EXPECT_EQ(moveFrom(seedDrawing({{40, 0}}), 1000), 982);
    EXPECT_EQ(moveFrom(seedDrawing({{40, 39}}), 1000), 1021);
}

TEST_F(PriceTest, marketFactorExampleGivesBase1003) {
    setMarketExample(g.s);
    for (std::uint32_t seed : {1u, 99u, 4242u, 0xdeadbeefu}) {
        Random replica = test::seeded(seed);
        EXPECT_EQ(moveFrom(seed, 1000), 1003 + static_cast<int>(replica(40)) - 18);
    }
    EXPECT_EQ(moveFrom(seedDrawing({{40, 0}}), 1000), 985);
}

TEST_F(PriceTest, lowPricedSharesDrawTwiceNoiseFirst) {
    for (std::uint32_t seed = 0; seed < 2000; ++seed) {
        Random replica = test::seeded(seed);
        const int noise = static_cast<int>(replica(4));
        const int expected = 101 + noise - 2 + static_cast<int>(replica(6)) - 2;
        ASSERT_EQ(moveFrom(seed, 101), expected) << seed;
    }
    // Noise first, then the low-price draw: the lowest pair and the highest pair.
    EXPECT_EQ(moveFrom(seedDrawing({{4, 0}, {6, 0}}), 101), 97);
    EXPECT_EQ(moveFrom(seedDrawing({{4, 3}, {6, 5}}), 101), 105);
    EXPECT_EQ(moveFrom(seedDrawing({{4, 3}, {6, 0}}), 101), 100);
}

TEST_F(PriceTest, aShareAt12pDrawsRandom0WhichStillAdvances) {
    Random replica = test::seeded(555);
    replica(0);
    const int expected = 12 + static_cast<int>(replica(6)) - 2;
    EXPECT_EQ(moveFrom(555, 12), expected);
    EXPECT_EQ(g.game.random.seed(), replica.seed());
}

TEST_F(PriceTest, at150pAndAboveThereIsNoLowPriceDraw) {
    // 152p: base 152, noise Random(6), drag 3: 149..154, so some results get the extra draw.
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        Random replica = test::seeded(seed);
        int expected = 152 + static_cast<int>(replica(6)) - 3;
        if (expected < 150) expected += static_cast<int>(replica(6)) - 2;
        ASSERT_EQ(moveFrom(seed, 152), expected) << seed;
        ASSERT_EQ(g.game.random.seed(), replica.seed()) << seed;
    }
}

TEST_F(PriceTest, newsScoreMinusOneTakesSixPenceOff1134) {
    g.s.newsitems[5].affect[1] = -1; // share 0 is a bank
    g.s.headlines1.number = 5;
    Random replica = test::seeded(31337);
    EXPECT_EQ(moveFrom(31337, 1134), 1128 + static_cast<int>(replica(45)) - 20);
}

TEST_F(PriceTest, aSectorOutsideTheTableGetsNoNewsEffect) {
    for (auto& item : g.s.newsitems)
        item.affect.fill(2);
    g.s.headlines1.number = 1;
    g.s.headlines2.number = 2;
    for (int sector : {0, 13, 200}) {
        share.sector = static_cast<std::uint8_t>(sector);
        Random replica = test::seeded(77);
        EXPECT_EQ(moveFrom(77, 1000), 982 + static_cast<int>(replica(40))) << sector;
    }
}

TEST_F(PriceTest, highAndLowFollowOnTheSameCall) {
    bool rose = false, fell = false, kept = false;
    for (std::uint32_t seed = 0; seed < 500; ++seed) {
        share.price = 1000;
        share.high = 1010;
        share.low = 990;
        g.game.random.setSeed(seed);
        sharecalc(g.game, 0);
        const int price = share.price;
        ASSERT_EQ(share.high, std::max(1010, price));
        ASSERT_EQ(share.low, std::min(990, price));
        rose |= price > 1010;
        fell |= price < 990;
        kept |= price >= 990 && price <= 1010;
    }
    EXPECT_TRUE(rose && fell && kept);
}

TEST_F(PriceTest, pricesStayWithinSixteenBits) {
    g.s.dow = 1000;
    g.s.dowchange = 500; // +25 %
    EXPECT_EQ(moveFrom(3, 65535), 65535);
    EXPECT_EQ(share.change, 0);
    EXPECT_EQ(share.high, 65535);

    g.s.dowchange = 0;
    // At 1p: base 1, no noise, no drag, then -2..+3; -1 stops at 0.
    std::uint32_t seed = 0;
    for (;; ++seed) {
        Random replica = test::seeded(seed);
        replica(0);
        if (replica(6) == 0) break;
    }
    EXPECT_EQ(moveFrom(seed, 1), 0);
    EXPECT_EQ(share.change, -1);
    EXPECT_EQ(share.low, 0);
}

TEST(Indices, ftseAt5217MovesWithinItsBand) {
    test::MarketGame g;
    g.startFreePlay();
    const auto stepFrom = [&g](std::uint32_t seed) {
        g.s.ftse = 5217;
        g.game.random.setSeed(seed);
        ftseStep(g.game);
        return g.s.ftse;
    };
    for (std::uint32_t seed = 0; seed < 3000; ++seed) {
        Random replica = test::seeded(seed * 104729u);
        const int expected = 5217 + static_cast<int>(replica(104)) - 47;
        ASSERT_EQ(stepFrom(seed * 104729u), expected);
        ASSERT_EQ(g.s.ftsechange, expected - 5217);
    }
    EXPECT_EQ(stepFrom(seedDrawing({{104, 0}})), 5170);
    EXPECT_EQ(stepFrom(seedDrawing({{104, 103}})), 5273);
}

TEST(Indices, ftseFollowsTheMarketAndTheFtseNews) {
    test::MarketGame g;
    g.startFreePlay();
    setMarketExample(g.s);
    g.s.newsitems[12].affect[0] = 2;
    g.s.newsitems[12].affect[1] = -2; // a sector effect is no FTSE effect
    g.s.headlines1.number = 12;
    g.s.headlines2.number = 12;
    g.game.random.setSeed(2024);
    Random replica = test::seeded(2024);
    ftseStep(g.game);
    // factor 0.2567 + 2.0: Round(2.2567 x 52.17 + 5217) = Round(5334.73) = 5335.
    EXPECT_EQ(g.s.ftse, 5335 + static_cast<int>(replica(104)) - 47);
}

TEST(Indices, anIndexStopsAtZeroAndNeverWraps) {
    test::MarketGame g;
    g.startFreePlay();
    std::uint32_t seed = 0;
    for (;; ++seed) { // a wide swing down by more than 10
        Random replica = test::seeded(seed);
        if (replica(20) == 0 && replica(450) < 190) break;
    }
    g.s.dow = 10;
    g.game.random.setSeed(seed);
    dowStep(g.game);
    EXPECT_EQ(g.s.dow, 0);
    EXPECT_EQ(g.s.dowchange, -10);
    g.s.hangchange = 0;
    EXPECT_DOUBLE_EQ(marketFactor(g.s), 0.0);

    g.s.hangseng = 70000; // beyond 16 bits: kept whole
    g.game.random.setSeed(1);
    hangsengStep(g.game);
    EXPECT_GT(g.s.hangseng, 65535);

    // Decades of free play take the FTSE to the top of 32 bits; good news holds it there (+3 %
    // outweighs the drag) instead of wrapping it to 0 for good.
    constexpr std::int32_t kTop = std::numeric_limits<std::int32_t>::max();
    g.s.ftse = kTop - 1000;
    g.s.dowchange = g.s.hangchange = 0;
    g.s.newsitems[5].affect[0] = 2;
    g.s.headlines1.number = g.s.headlines2.number = g.s.headlines4.number = 5;
    g.s.headline4days = 3;
    for (int day = 0; day < 3; ++day) {
        ftseStep(g.game);
        EXPECT_EQ(g.s.ftse, kTop);
    }
    EXPECT_EQ(g.s.ftsechange, 0);
}
