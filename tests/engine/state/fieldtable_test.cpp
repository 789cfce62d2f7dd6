// Our versioned files as a later version of the game will see them: a test record whose
// version 2 adds a field and a counted list of trades, read beside its version 1.

#include "state/versionedfile.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace quotara;

namespace {

struct TradeRow {
    std::uint8_t day = 0; // 1..31
    std::int32_t shares = 0;
};

struct Book {
    std::int32_t cash = 0; // 0..1000
    std::uint8_t bars = 0;
    std::vector<TradeRow> trades;
};

constexpr std::array kTradeFields = {
    field<&TradeRow::day>().in(1, 31),
    field<&TradeRow::shares>(),
};

constexpr std::array kVersion1 = {
    field<&Book::cash>().in(0, 1000),
};
// Version 2 as the README says to write it. Without the list a file has no trades: an older
// file clears them. Without the bars the game keeps its own.
constexpr std::array kVersion2 = {
    field<&Book::cash>().in(0, 1000),
    field<&Book::bars>().addedIn(2).in(0, 9),
    list<&Book::trades, kTradeFields, 100>().addedIn(2).whenAbsent(
        [](Book& b) { b.trades.clear(); }),
};

constexpr FileFormat kFormat1 = {{'T', 'E', 'S', 'T'}, 1};
constexpr FileFormat kFormat2 = {{'T', 'E', 'S', 'T'}, 2};

Book aBook() {
    return {700, 3, {{2, 100}, {5, -40}, {31, 7}}};
}

// Size and checksum made right again after a change, so that only the change is judged.
void reseal(std::vector<std::uint8_t>& bytes) {
    ByteWriter w;
    w.put(std::span<const std::uint8_t>(bytes).first(bytes.size() - 8));
    w.putAt(6, static_cast<std::uint32_t>(bytes.size()));
    w.put(fnv1a(w.bytes()));
    bytes = w.take();
}

VersionCheck readAs2(const std::vector<std::uint8_t>& bytes, Book& into) {
    return readVersioned(kFormat2, kVersion2, bytes, into).result;
}

} // namespace

TEST(VersionedFile, anOlderFileLoadsAndLacksOnlyTheNewerFields) {
    const auto old = writeVersioned(kFormat1, kVersion1, aBook(), 1);
    ASSERT_EQ(old.size(), 10u + 4 + 8);
    Book read;
    const VersionRead r = readVersioned(kFormat2, kVersion2, old, read);
    ASSERT_EQ(r.result, VersionCheck::Valid);
    EXPECT_EQ(r.version, 1);

    Book game{12, 8, {{1, 1}}};
    fields::apply(kVersion2, read, game, r.version);
    EXPECT_EQ(game.cash, 700);
    EXPECT_EQ(game.bars, 8);          // kept
    EXPECT_TRUE(game.trades.empty()); // what a game without the file has
}

TEST(VersionedFile, aNewerFileIsRefusedUnread) {
    std::vector<std::uint8_t> newer = writeVersioned(kFormat2, kVersion2, aBook(), 2);
    Book read;
    EXPECT_EQ(readVersioned(kFormat1, kVersion1, newer, read).result, VersionCheck::Newer);
    newer.resize(12); // cut short, or of a layout this version cannot know
    EXPECT_EQ(readVersioned(kFormat1, kVersion1, newer, read).result, VersionCheck::Newer);
}

TEST(VersionedFile, aCountedListRoundTripsAndTheSizeFollowsItsCount) {
    const auto bytes = writeVersioned(kFormat2, kVersion2, aBook(), 2);
    ASSERT_EQ(bytes.size(), 10u + 4 + 1 + 4 + 3 * 5 + 8);
    Book read;
    ASSERT_EQ(readAs2(bytes, read), VersionCheck::Valid);
    EXPECT_EQ(read.bars, 3);
    ASSERT_EQ(read.trades.size(), 3u);
    EXPECT_EQ(read.trades[1].day, 5);
    EXPECT_EQ(read.trades[1].shares, -40);
    EXPECT_EQ(writeVersioned(kFormat2, kVersion2, read, 2), bytes);

    constexpr std::size_t kCount = 15;
    const auto changed = [&](const std::function<void(std::vector<std::uint8_t>&)>& change) {
        std::vector<std::uint8_t> b = bytes;
        change(b);
        reseal(b);
        Book into;
        return readAs2(b, into);
    };
    EXPECT_EQ(changed([](auto& b) { ++b[kCount]; }), VersionCheck::Damaged); // one too many
    EXPECT_EQ(changed([](auto& b) { --b[kCount]; }), VersionCheck::Damaged); // one too few
    EXPECT_EQ(changed([](auto& b) { b[kCount + 3] = 0x40; }), VersionCheck::Damaged); // huge
    EXPECT_EQ(changed([](auto& b) { b.insert(b.end() - 8, 0); }), VersionCheck::Damaged);
    EXPECT_EQ(changed([](auto& b) { b[kCount + 4] = 32; }), VersionCheck::Damaged); // 32nd day
    EXPECT_EQ(changed([](auto& b) { b[14] = 10; }), VersionCheck::Damaged);         // ten bars
    EXPECT_EQ(changed([](auto&) {}), VersionCheck::Valid);
}

TEST(VersionedFile, aChangedByteOrAnotherMarkIsDamage) {
    std::vector<std::uint8_t> bytes = writeVersioned(kFormat2, kVersion2, aBook(), 2);
    Book read;
    bytes[11] ^= 1;
    EXPECT_EQ(readAs2(bytes, read), VersionCheck::Damaged);
    bytes[11] ^= 1;
    bytes[0] = 'X';
    EXPECT_EQ(readAs2(bytes, read), VersionCheck::Damaged);
}
