#include "state/records.h"

#include <algorithm>
#include <cstring>

namespace quotara {
namespace {

// Offsets of Tshare.
constexpr std::size_t kName = 0, kSector = 41, kHistory1 = 42, kHigh = 2042, kLow = 2044,
                      kPrice = 2046, kChange = 2048, kCost = 2052, kOwned = 2056, kP1cost = 2060,
                      kP2cost = 2064, kP1owned = 2068, kP2owned = 2072;
static_assert(kP2owned + 4 == Tshare::kSize);
static_assert(kHistory1 + 2 * Tshare::kHistoryDays == kHigh);

// Offsets of Tnewsitem.
constexpr std::size_t kText = 0, kPad201 = 201, kAffect0 = 204, kProbcode = 252, kUsed = 253,
                      kWater = 254, kPad255 = 255;
static_assert(kAffect0 + 4 * 12 == kProbcode);
static_assert(kPad255 + 1 == Tnewsitem::kSize);

void put16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void put32(std::uint8_t* p, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
std::uint16_t get16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::int32_t get32(const std::uint8_t* p) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return static_cast<std::int32_t>(v);
}

template <std::size_t N> void putString(std::uint8_t* p, const PString<N>& s) {
    p[0] = s.len;
    std::memcpy(p + 1, s.chars.data(), N);
}
template <std::size_t N> void getString(const std::uint8_t* p, PString<N>& s) {
    s.len = p[0];
    std::memcpy(s.chars.data(), p + 1, N);
}

std::int32_t waterEffect(std::uint8_t b) {
    const auto v = static_cast<std::int8_t>(b);
    return (v >= -2 && v <= 2) ? v : 0;
}

} // namespace

void encodeShare(const Tshare& s, std::span<std::uint8_t, Tshare::kSize> out) {
    std::uint8_t* p = out.data();
    putString(p + kName, s.name);
    p[kSector] = s.sector;
    for (int d = 1; d <= Tshare::kHistoryDays; ++d)
        put16(p + 40 + 2 * d, s.history[d]);
    put16(p + kHigh, s.high);
    put16(p + kLow, s.low);
    put16(p + kPrice, s.price);
    put32(p + kChange, s.change);
    put32(p + kCost, s.cost);
    put32(p + kOwned, s.owned);
    put32(p + kP1cost, s.p1cost);
    put32(p + kP2cost, s.p2cost);
    put32(p + kP1owned, s.p1owned);
    put32(p + kP2owned, s.p2owned);
}

Tshare decodeShare(std::span<const std::uint8_t, Tshare::kSize> in) {
    const std::uint8_t* p = in.data();
    Tshare s;
    getString(p + kName, s.name);
    s.sector = p[kSector];
    for (int d = 1; d <= Tshare::kHistoryDays; ++d)
        s.history[d] = get16(p + 40 + 2 * d);
    s.high = get16(p + kHigh);
    s.low = get16(p + kLow);
    s.price = get16(p + kPrice);
    s.change = get32(p + kChange);
    s.cost = get32(p + kCost);
    s.owned = get32(p + kOwned);
    s.p1cost = get32(p + kP1cost);
    s.p2cost = get32(p + kP2cost);
    s.p1owned = get32(p + kP1owned);
    s.p2owned = get32(p + kP2owned);
    return s;
}

void encodeNewsItem(const Tnewsitem& n, std::span<std::uint8_t, Tnewsitem::kSize> out) {
    std::uint8_t* p = out.data();
    putString(p + kText, n.text);
    std::copy(n.pad201.begin(), n.pad201.end(), p + kPad201);
    for (int s = 0; s <= 11; ++s)
        put32(p + kAffect0 + 4 * s, n.affect[s]);
    p[kProbcode] = n.probcode;
    p[kUsed] = n.used;
    // An unreadable Water byte left as it was stays as it was.
    p[kWater] = waterEffect(n.waterbyte) == n.affect[12]
                    ? n.waterbyte
                    : static_cast<std::uint8_t>(static_cast<std::int8_t>(n.affect[12]));
    p[kPad255] = n.pad255;
}

Tnewsitem decodeNewsItem(std::span<const std::uint8_t, Tnewsitem::kSize> in) {
    const std::uint8_t* p = in.data();
    Tnewsitem n;
    getString(p + kText, n.text);
    std::copy_n(p + kPad201, 3, n.pad201.begin());
    for (int s = 0; s <= 11; ++s)
        n.affect[s] = get32(p + kAffect0 + 4 * s);
    n.probcode = p[kProbcode];
    n.used = p[kUsed];
    n.waterbyte = p[kWater];
    n.affect[12] = waterEffect(n.waterbyte);
    n.pad255 = p[kPad255];
    return n;
}

} // namespace quotara
