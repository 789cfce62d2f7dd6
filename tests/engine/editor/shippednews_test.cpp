#include "editor/newsfile.h"
#include "shipped/news.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

using namespace quotara;

namespace {
bool isDaily(int n) {
    return (n >= 1 && n <= 40) || (n >= 51 && n <= 68);
}
bool isUnemployment(int n) {
    return n >= 42 && n <= 45;
}
} // namespace

// The table the game ships with: the right items are filled, the effects are sane, and no
// sector drifts over a year of news.
TEST(ShippedNews, holdsTheDailyAndUnemploymentHeadlines) {
    const auto bytes = shippedNewsFile();
    ASSERT_EQ(bytes.size(), kNewsFileSize);
    auto state = std::make_unique<GameState>();
    for (int n = 1; n <= kNewsCount; ++n)
        state->newsitems[n] = decodeNewsItem(
            bytes.subspan(std::size_t(n - 1) * Tnewsitem::kSize).first<Tnewsitem::kSize>());

    std::array<int, Tnewsitem::kSectors + 1> sums{};
    int daily = 0;
    for (int n = 1; n <= kNewsCount; ++n) {
        const Tnewsitem& item = state->newsitems[n];
        EXPECT_EQ(item.used, 0) << n;
        if (!isDaily(n) && !isUnemployment(n)) {
            EXPECT_TRUE(item.text.empty()) << n;
            continue;
        }
        EXPECT_FALSE(item.text.empty()) << n;
        EXPECT_LE(item.text.len, 200) << n;
        EXPECT_GE(item.probcode, 1) << n;
        EXPECT_LE(item.probcode, 5) << n;
        for (int s = 0; s <= Tnewsitem::kSectors; ++s) {
            EXPECT_GE(item.affect[s], -2) << n << " sector " << s;
            EXPECT_LE(item.affect[s], 2) << n << " sector " << s;
            if (isDaily(n)) sums[s] += item.affect[s];
        }
        daily += isDaily(n);
    }
    EXPECT_EQ(daily, 58);
    for (int s = 0; s <= Tnewsitem::kSectors; ++s)
        EXPECT_LE(std::abs(sums[s]), 3) << "sector " << s;

    // Falling unemployment is good news, rising unemployment bad, in order.
    const auto& items = state->newsitems;
    EXPECT_GT(items[42].affect[0], 0);
    EXPECT_LT(items[45].affect[0], 0);
    for (int n = 42; n < 45; ++n) {
        EXPECT_GE(items[n].affect[0], items[n + 1].affect[0]) << n;
        EXPECT_GE(items[n].affect[9], items[n + 1].affect[9]) << n; // retailers
    }
}
