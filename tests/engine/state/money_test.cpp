#include "state/money.h"

#include <gtest/gtest.h>

using namespace quotara;

TEST(Rounding, halvesGoToTheEvenNeighbour) {
    const std::pair<double, std::int64_t> cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {1002.567, 1003}};
    for (auto [x, expected] : cases)
        EXPECT_EQ(roundHalfEven(x), expected) << x;
    EXPECT_EQ(truncate(6.93), 6);
    EXPECT_EQ(truncate(-6.93), -6);
}

TEST(Rounding, poundsFromPenceAreExact) {
    // 50.5 -> 50, 51.5 -> 52, -1.5 -> -2, -2.5 -> -2; the largest 32-bit sums still divide.
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {5050, 50}, {5150, 52}, {99792, 998},           {-150, -2},
        {-250, -2}, {-251, -3}, {2147483647, 21474836}, {-2147483648LL, -21474836}};
    for (auto [pence, pounds] : cases)
        EXPECT_EQ(poundsRound(pence), pounds) << pence;
    EXPECT_EQ(poundsTrunc(693), 6);
    EXPECT_EQ(poundsTrunc(-693), -6);
    EXPECT_EQ(roundDiv(1925500, 1000), 1926);
    EXPECT_EQ(roundDiv(1924500, 1000), 1924);
}

TEST(Display, changesMoneyAndPrices) {
    EXPECT_EQ(changeText(12), "+12");
    EXPECT_EQ(changeText(0), "+0");
    EXPECT_EQ(changeText(-4), "-4");
    EXPECT_EQ(poundsText(-1), QString::fromUtf8("£-1"));
    EXPECT_EQ(poundsText(15000), QString::fromUtf8("£15000"));
    EXPECT_EQ(penceText(252), "252p");
    EXPECT_EQ(toneOf(0), Tone::Blue);
    EXPECT_EQ(toneOf(-1), Tone::Red);
}
