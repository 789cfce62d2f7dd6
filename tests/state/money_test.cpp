#include "state/money.h"

#include <gtest/gtest.h>

using namespace quotara;

TEST(Rounding, halvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-3.5), -4);
    EXPECT_EQ(roundHalfEven(1002.567), 1003);
    EXPECT_EQ(truncate(6.93), 6);
    EXPECT_EQ(truncate(-6.93), -6);
}

TEST(Rounding, poundsFromPenceAreExact) {
    EXPECT_EQ(poundsRound(5050), 50); // 50.5 -> 50
    EXPECT_EQ(poundsRound(5150), 52); // 51.5 -> 52
    EXPECT_EQ(poundsRound(99792), 998);
    EXPECT_EQ(poundsRound(-150), -2);
    EXPECT_EQ(poundsRound(-250), -2);
    EXPECT_EQ(poundsRound(-251), -3);
    EXPECT_EQ(poundsTrunc(693), 6);
    EXPECT_EQ(poundsTrunc(-693), -6);
    // The largest 32-bit sums still divide exactly.
    EXPECT_EQ(poundsRound(2147483647), 21474836);
    EXPECT_EQ(poundsRound(-2147483648LL), -21474836);
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
