#include "state/random.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace quotara;

TEST(Random, followsTheLinearCongruentialSequence) {
    Random r = test::seeded(0);
    const std::uint32_t seeds[] = {1u, 134775814u, 3698175007u, 870078620u, 1172187917u};
    for (auto expected : seeds) {
        r(1);
        EXPECT_EQ(r.seed(), expected);
    }
}

TEST(Random, drawsUpperBitsOfTheProductAndZeroStillAdvances) {
    Random r = test::seeded(12345);
    EXPECT_EQ(r(100), 38u);
    EXPECT_EQ(r(20), 5u);
    EXPECT_EQ(r(450), 35u);
    EXPECT_EQ(r(58), 32u);
    EXPECT_EQ(r(0), 0u); // Random(0) is 0 but the seed moves on
    EXPECT_EQ(r(6), 2u);
    EXPECT_EQ(r(1000), 439u);
    EXPECT_EQ(r.seed(), 1889648464u);
}

TEST(Random, skipMovesOnAsManyDrawsWould) {
    for (std::uint32_t steps : {0u, 1u, 2u, 80u, 12345u}) {
        Random drawn = test::seeded(987'654'321), skipped = test::seeded(987'654'321);
        for (std::uint32_t i = 0; i < steps; ++i)
            drawn(58);
        skipped.skip(steps);
        EXPECT_EQ(skipped.seed(), drawn.seed()) << steps;
    }
}
