#include "state/records.h"

#include "state/fieldtable.h"

#include <algorithm>

namespace quotara {
namespace {

// Tshare. History entry d (1..1000) stands at 42 + 2 * (d - 1); entry 0 is not stored.
constexpr std::array kShareFields = {
    field<&Tshare::name>(),
    field<&Tshare::sector>(),
    run<&Tshare::history, 1, Tshare::kHistoryDays>(),
    field<&Tshare::high>(),
    field<&Tshare::low>(),
    field<&Tshare::price>(),
    field<&Tshare::change>(),
    field<&Tshare::cost>(),
    field<&Tshare::owned>(),
    field<&Tshare::p1cost>(),
    field<&Tshare::p2cost>(),
    field<&Tshare::p1owned>(),
    field<&Tshare::p2owned>(),
};
static_assert(fields::offsets(kShareFields) == std::array<std::size_t, 13>{0, 41, 42, 2042, 2044,
                                                                           2046, 2048, 2052, 2056,
                                                                           2060, 2064, 2068, 2072});
static_assert(fields::fixedSize(kShareFields) == Tshare::kSize);

std::int32_t waterEffect(std::uint8_t b) {
    const auto v = static_cast<std::int8_t>(b);
    return (v >= -2 && v <= 2) ? v : 0;
}

// Byte 254 is the Water effect, affect[12], as a signed byte. The raw byte is kept so that
// an unreadable one left as it was is written back as it was.
constexpr Field<Tnewsitem> waterField() {
    Field<Tnewsitem> f;
    f.size = 1;
    f.write = [](const Tnewsitem& n, ByteWriter& w, std::uint16_t) {
        w.put(waterEffect(n.waterbyte) == n.affect[12]
                  ? n.waterbyte
                  : static_cast<std::uint8_t>(static_cast<std::int8_t>(n.affect[12])));
    };
    f.read = [](Tnewsitem& n, ByteReader& in, std::uint16_t) {
        n.waterbyte = in.get<std::uint8_t>();
        n.affect[12] = waterEffect(n.waterbyte);
    };
    return f;
}

// Tnewsitem. affect[0] (FTSE) to affect[11] as 32-bit values; affect[12] is byte 254.
constexpr std::array kNewsFields = {
    field<&Tnewsitem::text>(),     field<&Tnewsitem::pad201>(), run<&Tnewsitem::affect, 0, 12>(),
    field<&Tnewsitem::probcode>(), field<&Tnewsitem::used>(),   waterField(),
    field<&Tnewsitem::pad255>(),
};
static_assert(fields::offsets(kNewsFields) ==
              std::array<std::size_t, 7>{0, 201, 204, 252, 253, 254, 255});
static_assert(fields::fixedSize(kNewsFields) == Tnewsitem::kSize);

template <class Record, std::size_t N>
void encode(const std::array<Field<Record>, N>& table, const Record& r,
            std::span<std::uint8_t> out) {
    ByteWriter w;
    fields::write(table, r, w, kEveryVersion);
    std::copy(w.bytes().begin(), w.bytes().end(), out.begin());
}

template <class Record, std::size_t N>
Record decode(const std::array<Field<Record>, N>& table, std::span<const std::uint8_t> in) {
    Record r;
    ByteReader reader(in);
    fields::read(table, r, reader, kEveryVersion);
    return r;
}

} // namespace

void encodeShare(const Tshare& s, std::span<std::uint8_t, Tshare::kSize> out) {
    encode(kShareFields, s, out);
}

Tshare decodeShare(std::span<const std::uint8_t, Tshare::kSize> in) {
    return decode(kShareFields, in);
}

void encodeNewsItem(const Tnewsitem& n, std::span<std::uint8_t, Tnewsitem::kSize> out) {
    encode(kNewsFields, n, out);
}

Tnewsitem decodeNewsItem(std::span<const std::uint8_t, Tnewsitem::kSize> in) {
    return decode(kNewsFields, in);
}

} // namespace quotara
