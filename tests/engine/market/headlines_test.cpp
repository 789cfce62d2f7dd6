#include "market/headlines.h"
#include "support/marketgame.h"

#include <gtest/gtest.h>

#include <limits>

#include <set>

using namespace quotara;

namespace {

bool drawable(int n) {
    return (n >= 1 && n <= 40) || (n >= 51 && n <= 68);
}

// The item the draw picks from a replica generator: 1..40 or 51..68.
int pick(Random& r) {
    int n = static_cast<int>(r(58)) + 1;
    return n > 40 ? n + 10 : n;
}

} // namespace

TEST(Headlines, drawTwoDifferentUnusedItemsAfterReseedingFromTheClock) {
    test::MarketGame g(36'000'123);
    g.fillNewsTexts();
    g.s.headlines4 = {"Jobless up", 45}; // slot 4 is left alone
    g.game.random.setSeed(99);           // overwritten by the reseed
    headlineload(g.game);
    EXPECT_EQ(g.clock.reads, 1);

    Random replica = test::seeded(36'000'123);
    const int first = pick(replica);
    int second = pick(replica);
    while (second == first)
        second = pick(replica);
    EXPECT_EQ(g.s.headlines1.number, first);
    EXPECT_EQ(g.s.headlines1.caption, QStringLiteral("Item %1").arg(first));
    EXPECT_EQ(g.s.headline1item, first);
    EXPECT_EQ(g.s.headlines2.number, second);
    EXPECT_EQ(g.s.headlines2.caption, QStringLiteral("Item %1").arg(second));
    EXPECT_EQ(g.s.headline2item, second);
    EXPECT_EQ(g.s.newsitems[first].used, 1);
    EXPECT_EQ(g.s.newsitems[second].used, 1);
    EXPECT_EQ(g.game.random.seed(), replica.seed());
    EXPECT_EQ(g.s.tickerText,
              QStringLiteral("Item %1     Item %2     Jobless up").arg(first).arg(second));
    EXPECT_EQ(g.s.headlines4.number, 45);
}

TEST(Headlines, neverDrawItems41To50OrAbove68NorRepeatWithinAGame) {
    test::MarketGame g(12345, 7919);
    g.fillNewsTexts();
    std::set<int> shown;
    for (int close = 0; close < 60; ++close) {
        headlineload(g.game);
        for (const HeadlineSlot* slot : {&g.s.headlines1, &g.s.headlines2}) {
            if (slot->caption.isEmpty()) continue;
            EXPECT_TRUE(drawable(slot->number)) << slot->number;
            EXPECT_TRUE(shown.insert(slot->number).second) << "shown twice: " << slot->number;
        }
    }
    for (int n = 41; n <= 50; ++n)
        EXPECT_EQ(g.s.newsitems[n].used, 0) << n;
    for (int n = 69; n <= 200; ++n)
        ASSERT_EQ(g.s.newsitems[n].used, 0) << n;
}

TEST(Headlines, runOutAfter29FullClosesAndThenStayEmpty) {
    test::MarketGame g(500, 3);
    g.fillNewsTexts();
    int closes = 0, filled = 0;
    while (filled < kDrawableItems) {
        headlineload(g.game);
        ++closes;
        filled += !g.s.headlines1.caption.isEmpty();
        filled += !g.s.headlines2.caption.isEmpty();
        ASSERT_LT(closes, 200);
    }
    EXPECT_GE(closes, 29);
    for (int close = 0; close < 3; ++close) {
        headlineload(g.game);
        EXPECT_TRUE(g.s.headlines1.caption.isEmpty());
        EXPECT_FALSE(g.s.headlines1.hasNumber());
        EXPECT_FALSE(g.s.headlines2.hasNumber());
        // The ticker says so rather than scroll an empty gap.
        EXPECT_EQ(g.s.tickerText, QStringLiteral("No news today"));
    }
}

TEST(Headlines, anEmptyTextItemIsMarkedUsedAndItsNumberWritten) {
    // No news file: every pick is an unused item without text, so all 40 attempts run and the
    // number text is the last item picked for the first time.
    test::MarketGame g(4'000'000);
    headlineload(g.game);

    Random replica = test::seeded(4'000'000);
    std::set<int> used;
    int last1 = -1, last2 = -1;
    for (int a = 0; a < 40; ++a) {
        const int n = pick(replica);
        if (used.insert(n).second) last1 = n;
    }
    for (int a = 0; a < 40; ++a) {
        const int n = pick(replica);
        if (used.insert(n).second) last2 = n;
    }
    EXPECT_TRUE(g.s.headlines1.caption.isEmpty());
    EXPECT_EQ(g.s.headlines1.number, last1);
    EXPECT_EQ(g.s.headlines2.number, last2);
    EXPECT_EQ(g.s.headline1item, last1);
    for (int n = 1; n <= 200; ++n)
        ASSERT_EQ(g.s.newsitems[n].used, used.count(n) ? 1 : 0) << n;
    EXPECT_EQ(g.game.random.seed(), replica.seed());
    EXPECT_EQ(g.s.tickerText, QStringLiteral("No news today"));
}

TEST(Headlines, anEmptyTextPickIsOverwrittenByALaterOne) {
    test::MarketGame g(4'000'000);
    g.fillNewsTexts();
    Random replica = test::seeded(4'000'000);
    const int blank = pick(replica);
    const int next = pick(replica);
    ASSERT_NE(blank, next);
    g.s.newsitems[blank].text.assign(std::string_view());
    headlineload(g.game);
    EXPECT_EQ(g.s.newsitems[blank].used, 1);
    EXPECT_EQ(g.s.headlines1.number, next);
    EXPECT_EQ(g.s.headlines1.caption, QStringLiteral("Item %1").arg(next));
}

TEST(Slot4, unemploymentItemByTheMonthsChange) {
    const std::pair<int, int> cases[] = {{38000, 45},  {15000, 45}, {14999, 44}, {14000, 44},
                                         {0, 44},      {-1, 43},    {-1000, 43}, {-14999, 43},
                                         {-15000, 42}, {-38000, 42}};
    for (auto [change, item] : cases)
        EXPECT_EQ(unemploymentItem(change), item) << change;
}

TEST(Slot4, setUpPostsTheItemForThreeClosesWithoutMarkingItUsed) {
    test::MarketGame g;
    g.fillNewsTexts();
    g.s.unemployedchange = -15000;
    g.s.headline4days = -7;
    headline4setup(g.s);
    EXPECT_EQ(g.s.headlines4.caption, "Item 42");
    EXPECT_EQ(g.s.headlines4.numberText(), "42");
    EXPECT_EQ(g.s.headline4item, 42);
    EXPECT_EQ(g.s.headline4days, 3);
    EXPECT_EQ(g.s.newsitems[42].used, 0);
}

TEST(Slot4, countDownClearsTheCaptionAtZeroButKeepsTheNumber) {
    test::MarketGame g;
    g.fillNewsTexts();
    g.s.unemployedchange = 2000;
    headline4setup(g.s);
    headline4countdown(g.s);
    headline4countdown(g.s);
    EXPECT_EQ(g.s.headline4days, 1);
    EXPECT_EQ(g.s.headlines4.caption, "Item 44");
    headline4countdown(g.s);
    EXPECT_EQ(g.s.headline4days, 0);
    EXPECT_TRUE(g.s.headlines4.caption.isEmpty());
    EXPECT_EQ(g.s.headlines4.number, 44);
    EXPECT_EQ(g.s.headline4item, 44);
    headline4countdown(g.s);
    EXPECT_EQ(g.s.headline4days, -1);

    // A saved game may hold the lowest count; it stays there rather than wrapping round to a
    // headline in force for ever.
    g.s.headline4days = std::numeric_limits<std::int32_t>::min();
    headline4countdown(g.s);
    EXPECT_EQ(g.s.headline4days, std::numeric_limits<std::int32_t>::min());
}
