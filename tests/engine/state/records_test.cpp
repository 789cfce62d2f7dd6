#include "state/records.h"
#include "state/text.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using namespace quotara;

namespace {
std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
} // namespace

TEST(ShareRecord, everyFieldLiesAtItsOffset) {
    Tshare s;
    s.name.assign(std::string_view("Abbey National"));
    s.sector = 1;
    s.history[1] = 1134;
    s.history[365] = 0x1234;
    s.history[1000] = 0xBEEF;
    s.high = 1200;
    s.low = 1100;
    s.price = 1150;
    s.change = -4;
    s.cost = 333;
    s.owned = 100;
    s.p1cost = 1;
    s.p2cost = 2;
    s.p1owned = 3;
    s.p2owned = -5;
    std::vector<std::uint8_t> b(Tshare::kSize);
    encodeShare(s, std::span<std::uint8_t, Tshare::kSize>(b.data(), Tshare::kSize));

    EXPECT_EQ(b[0], 14);
    EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 15), "Abbey National");
    EXPECT_EQ(b[41], 1);
    EXPECT_EQ(le16(b, 42), 1134);     // entry 1 at 40 + 2
    EXPECT_EQ(le16(b, 770), 0x1234);  // entry 365 at 40 + 730
    EXPECT_EQ(le16(b, 2040), 0xBEEF); // entry 1000
    EXPECT_EQ(le16(b, 2042), 1200);
    EXPECT_EQ(le16(b, 2044), 1100);
    EXPECT_EQ(le16(b, 2046), 1150);
    EXPECT_EQ(le32(b, 2048), 0xFFFFFFFCu);
    EXPECT_EQ(le32(b, 2052), 333u);
    EXPECT_EQ(le32(b, 2056), 100u);
    EXPECT_EQ(le32(b, 2060), 1u);
    EXPECT_EQ(le32(b, 2064), 2u);
    EXPECT_EQ(le32(b, 2068), 3u);
    EXPECT_EQ(le32(b, 2072), 0xFFFFFFFBu);
}

TEST(ShareRecord, roundTripsByteForByte) {
    std::vector<std::uint8_t> b(Tshare::kSize);
    std::iota(b.begin(), b.end(), std::uint8_t{7});
    b[0] = 40;
    const Tshare s = decodeShare(std::span<const std::uint8_t, Tshare::kSize>(b.data(), b.size()));
    std::vector<std::uint8_t> again(Tshare::kSize);
    encodeShare(s, std::span<std::uint8_t, Tshare::kSize>(again.data(), again.size()));
    EXPECT_EQ(again, b);
}

TEST(NewsRecord, everyFieldLiesAtItsOffset) {
    Tnewsitem n;
    n.text.assign(std::string_view("Rates cut"));
    for (int s = 0; s <= 12; ++s)
        n.affect[s] = (s % 5) - 2;
    n.probcode = 103;
    n.used = 1;
    std::vector<std::uint8_t> b(Tnewsitem::kSize);
    encodeNewsItem(n, std::span<std::uint8_t, Tnewsitem::kSize>(b.data(), b.size()));
    EXPECT_EQ(b[0], 9);
    EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 10), "Rates cut");
    for (int s = 0; s <= 11; ++s)
        EXPECT_EQ(static_cast<std::int32_t>(le32(b, 204 + 4 * s)), (s % 5) - 2) << s;
    EXPECT_EQ(b[252], 103);
    EXPECT_EQ(b[253], 1);
    EXPECT_EQ(static_cast<std::int8_t>(b[254]), 0); // Water: 12 % 5 - 2
}

TEST(NewsRecord, waterEffectLivesInByte254AndStrayBytesReadAsZero) {
    std::vector<std::uint8_t> b(Tnewsitem::kSize, 0);
    b[252] = 4;
    b[253] = 1;
    b[254] = 0xFE; // -2
    auto n = decodeNewsItem(std::span<const std::uint8_t, Tnewsitem::kSize>(b.data(), b.size()));
    EXPECT_EQ(n.affect[12], -2);
    EXPECT_EQ(n.probcode, 4);
    EXPECT_EQ(n.used, 1);

    b[254] = 0x7F; // leftover byte, not an effect
    n = decodeNewsItem(std::span<const std::uint8_t, Tnewsitem::kSize>(b.data(), b.size()));
    EXPECT_EQ(n.affect[12], 0);
    std::vector<std::uint8_t> again(Tnewsitem::kSize);
    encodeNewsItem(n, std::span<std::uint8_t, Tnewsitem::kSize>(again.data(), again.size()));
    EXPECT_EQ(again, b); // written back as held

    n.affect[12] = 1; // an edit replaces the stray byte and leaves probcode and used alone
    encodeNewsItem(n, std::span<std::uint8_t, Tnewsitem::kSize>(again.data(), again.size()));
    EXPECT_EQ(again[254], 1);
    EXPECT_EQ(again[252], 4);
    EXPECT_EQ(again[253], 1);
}

TEST(NewsRecord, roundTripsByteForByte) {
    std::vector<std::uint8_t> b(Tnewsitem::kSize);
    std::iota(b.begin(), b.end(), std::uint8_t{1});
    b[0] = 200;
    const auto n =
        decodeNewsItem(std::span<const std::uint8_t, Tnewsitem::kSize>(b.data(), b.size()));
    std::vector<std::uint8_t> again(Tnewsitem::kSize);
    encodeNewsItem(n, std::span<std::uint8_t, Tnewsitem::kSize>(again.data(), again.size()));
    EXPECT_EQ(again, b);
}

TEST(Cp1252, poundSignIsByteA3AndTextsRoundTrip) {
    const QString pound = QString::fromUtf8("£15,000 – “quoted” €");
    const std::string bytes = toCp1252(pound);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xA3);
    EXPECT_EQ(fromCp1252(bytes), pound);
    EXPECT_EQ(toCp1252(QString::fromUtf8("日")), "?");
}

// A text read from a file and stored back unchanged must keep every byte, the five bytes the
// code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) included.
TEST(Cp1252, everyByteSurvivesTheTripThroughQString) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(toCp1252(fromCp1252(byte)), byte) << "byte " << b;
    }
}

TEST(PString, cutsToCapacityAndIgnoresTail) {
    PString<20> s;
    s.assign(std::string_view("A name of twenty-five ch"));
    EXPECT_EQ(s.len, 20);
    EXPECT_EQ(s.view(), "A name of twenty-fiv");
    s.len = 250; // damaged length byte
    EXPECT_EQ(s.view().size(), 20u);
}
