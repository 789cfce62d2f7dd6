// The price engine fed with news items decoded from a file's bytes: any effects, any item
// numbers in the headline slots, shares of any sector.

#include "fuzz.h"
#include "targets.h"

#include "market/sharecalc.h"
#include "play/endofday.h"
#include "play/startup.h"
#include "state/records.h"
#include "support/fakes.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace quotara::fuzz {
namespace {

// The widest a close can move a value: the market part, the strongest news (5%), the noise
// (at most 4%) and the drag (1.8%), with a few pence of rounding and the low-price draw.
void checkMove(std::int64_t before, std::int64_t after, double marketfactor, std::int64_t top) {
    const double up = before * (1 + (std::fabs(marketfactor) + 5 + 4) / 100) + 5;
    const double down = before * (1 - (std::fabs(marketfactor) + 5 + 1.8) / 100) - 5;
    FUZZ_CHECK(after >= std::max<double>(0, std::floor(down)));
    FUZZ_CHECK(after <= std::min<double>(double(top), std::ceil(up)));
}

} // namespace

// Input: 16 control bytes (slot numbers, slot-4 days, seed, days to run, index moves, sectors),
// then news records of 256 bytes, repeated to fill the table.
void priceEngine(Bytes input) {
    const Bytes control = take(input, 16);
    if (control.size() < 16 || input.size() < Tnewsitem::kSize) return;

    // One game for all runs, put back to a new game's start each time.
    static test::FakeClock clock;
    static test::RecordingMessages messages;
    static Game game(clock, messages, DataFolder::none());
    messages.log.clear();
    GameState& s = game.state;
    startFreePlay(s);
    const std::size_t records = input.size() / Tnewsitem::kSize;
    for (int n = 1; n <= kNewsCount; ++n) {
        const auto at = std::size_t(n - 1) % records * Tnewsitem::kSize;
        s.newsitems[n] = decodeNewsItem(
            std::span<const std::uint8_t, Tnewsitem::kSize>(input.data() + at, Tnewsitem::kSize));
    }
    // Slot numbers 0..255, so items outside the table come up too.
    s.headline4item = 0;
    s.headlines1.number = control[0] == 255 ? -1 : control[0];
    s.headlines2.number = control[1] == 255 ? -1 : control[1];
    s.headlines4.number = control[2] == 255 ? -1 : control[2];
    s.headline4days = static_cast<std::int8_t>(control[3]);
    std::uint32_t seed = 0;
    std::memcpy(&seed, control.data() + 4, 4);
    game.random.setSeed(seed);
    const int days = 1 + control[8] % 2;
    s.dow = control[9] * 200;
    s.hangseng = control[10] * 300;
    for (int i = 0; i < 4; ++i)
        s.shares[control[11 + i] % kShareCount].sector = control[15];

    for (int day = 0; day < days; ++day) {
        for (int effect = 0; effect <= Tnewsitem::kSectors; ++effect)
            FUZZ_CHECK(std::abs(newsScore(s, effect)) <= 6);
        std::array<std::int64_t, kShareCount> before{};
        for (int i = 0; i < kShareCount; ++i)
            before[i] = s.shares[i].price;
        const std::int64_t ftse = s.ftse;

        NoDayViews views;
        endofday(game, views);

        const double mf = marketFactor(s);
        checkMove(ftse, s.ftse, mf, std::numeric_limits<std::int32_t>::max());
        FUZZ_CHECK(s.dow >= 0 && s.hangseng >= 0);
        for (int i = 0; i < kShareCount; ++i) {
            const Tshare& t = s.shares[i];
            checkMove(before[i], t.price, mf, 65535);
            FUZZ_CHECK(t.change == t.price - before[i]);
            FUZZ_CHECK(t.high >= t.price && t.low <= t.price);
        }
        // The daily draw leaves slots 1 and 2 empty or with an item of the table.
        for (const HeadlineSlot* slot : {&s.headlines1, &s.headlines2})
            FUZZ_CHECK(slot->number == -1 || (slot->number >= 1 && slot->number <= kNewsCount));
    }
}

} // namespace quotara::fuzz
