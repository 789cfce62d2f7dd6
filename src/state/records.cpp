#include "state/records.h"

#include <algorithm>
#include <cstring>

namespace quotara {
namespace {

// Little-endian values, text and byte runs at a place in a record.
void put(std::uint8_t* p, std::uint8_t v) {
    p[0] = v;
}
void put(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void put(std::uint8_t* p, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
template <std::size_t N> void put(std::uint8_t* p, const PString<N>& s) {
    p[0] = s.len;
    std::memcpy(p + 1, s.chars.data(), N);
}
template <std::size_t N> void put(std::uint8_t* p, const std::array<std::uint8_t, N>& bytes) {
    std::copy(bytes.begin(), bytes.end(), p);
}

void get(const std::uint8_t* p, std::uint8_t& v) {
    v = p[0];
}
void get(const std::uint8_t* p, std::uint16_t& v) {
    v = static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
void get(const std::uint8_t* p, std::int32_t& v) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    v = static_cast<std::int32_t>(u);
}
template <std::size_t N> void get(const std::uint8_t* p, PString<N>& s) {
    s.len = p[0];
    std::memcpy(s.chars.data(), p + 1, N);
}
template <std::size_t N> void get(const std::uint8_t* p, std::array<std::uint8_t, N>& bytes) {
    std::copy_n(p, N, bytes.begin());
}

template <class T> constexpr std::size_t fileSize = sizeof(T); // uint8, uint16, int32, byte runs
template <std::size_t N> constexpr std::size_t fileSize<PString<N>> = N + 1;

// One field of a record: where it stands in the file, how many bytes it takes, and how it
// is written and read. Both directions walk the same table, so a field cannot be read from
// one place and written to another.
template <class Record> struct Field {
    std::size_t offset;
    std::size_t size;
    void (*write)(const Record&, std::uint8_t*);
    void (*read)(Record&, const std::uint8_t*);
};

template <class> struct MemberOf;
template <class R, class T> struct MemberOf<T R::*> {
    using Record = R;
    using Type = T;
};

// A member stored as itself.
template <auto Member, class Record = typename MemberOf<decltype(Member)>::Record>
constexpr Field<Record> field(std::size_t offset) {
    using T = typename MemberOf<decltype(Member)>::Type;
    return {offset, fileSize<T>, [](const Record& r, std::uint8_t* p) { put(p, r.*Member); },
            [](Record& r, const std::uint8_t* p) { get(p, r.*Member); }};
}

// Entries First..First+Count-1 of an array member, one after another.
template <auto Member, std::size_t First, std::size_t Count,
          class Record = typename MemberOf<decltype(Member)>::Record>
constexpr Field<Record> run(std::size_t offset) {
    using Element = typename MemberOf<decltype(Member)>::Type::value_type;
    return {offset, Count * sizeof(Element),
            [](const Record& r, std::uint8_t* p) {
                for (std::size_t i = 0; i < Count; ++i)
                    put(p + i * sizeof(Element), (r.*Member)[First + i]);
            },
            [](Record& r, const std::uint8_t* p) {
                for (std::size_t i = 0; i < Count; ++i)
                    get(p + i * sizeof(Element), (r.*Member)[First + i]);
            }};
}

// The fields must follow one another without gap or overlap and fill the record.
template <class Record, std::size_t N>
constexpr bool coversRecord(const std::array<Field<Record>, N>& fields) {
    std::size_t at = 0;
    for (const auto& f : fields) {
        if (f.offset != at) return false;
        at += f.size;
    }
    return at == Record::kSize;
}

// Tshare. History entry d (1..1000) stands at kHistory1 + 2 * (d - 1); entry 0 is not stored.
constexpr std::size_t kHistory1 = 42;
constexpr std::array kShareFields = {
    field<&Tshare::name>(0),
    field<&Tshare::sector>(41),
    run<&Tshare::history, 1, Tshare::kHistoryDays>(kHistory1),
    field<&Tshare::high>(2042),
    field<&Tshare::low>(2044),
    field<&Tshare::price>(2046),
    field<&Tshare::change>(2048),
    field<&Tshare::cost>(2052),
    field<&Tshare::owned>(2056),
    field<&Tshare::p1cost>(2060),
    field<&Tshare::p2cost>(2064),
    field<&Tshare::p1owned>(2068),
    field<&Tshare::p2owned>(2072),
};
static_assert(coversRecord(kShareFields));

std::int32_t waterEffect(std::uint8_t b) {
    const auto v = static_cast<std::int8_t>(b);
    return (v >= -2 && v <= 2) ? v : 0;
}

// Byte 254 is the Water effect, affect[12], as a signed byte. The raw byte is kept so that
// an unreadable one left as it was is written back as it was.
constexpr Field<Tnewsitem> kWaterField = {
    254, 1,
    [](const Tnewsitem& n, std::uint8_t* p) {
        p[0] = waterEffect(n.waterbyte) == n.affect[12]
                   ? n.waterbyte
                   : static_cast<std::uint8_t>(static_cast<std::int8_t>(n.affect[12]));
    },
    [](Tnewsitem& n, const std::uint8_t* p) {
        n.waterbyte = p[0];
        n.affect[12] = waterEffect(p[0]);
    }};

// Tnewsitem. affect[0] (FTSE) to affect[11] as 32-bit values; affect[12] is byte 254.
constexpr std::array kNewsFields = {
    field<&Tnewsitem::text>(0),          field<&Tnewsitem::pad201>(201),
    run<&Tnewsitem::affect, 0, 12>(204), field<&Tnewsitem::probcode>(252),
    field<&Tnewsitem::used>(253),        kWaterField,
    field<&Tnewsitem::pad255>(255),
};
static_assert(coversRecord(kNewsFields));

template <class Record, std::size_t N>
void encode(const std::array<Field<Record>, N>& fields, const Record& r, std::uint8_t* out) {
    for (const auto& f : fields)
        f.write(r, out + f.offset);
}

template <class Record, std::size_t N>
Record decode(const std::array<Field<Record>, N>& fields, const std::uint8_t* in) {
    Record r;
    for (const auto& f : fields)
        f.read(r, in + f.offset);
    return r;
}

} // namespace

void encodeShare(const Tshare& s, std::span<std::uint8_t, Tshare::kSize> out) {
    encode(kShareFields, s, out.data());
}

Tshare decodeShare(std::span<const std::uint8_t, Tshare::kSize> in) {
    return decode(kShareFields, in.data());
}

void encodeNewsItem(const Tnewsitem& n, std::span<std::uint8_t, Tnewsitem::kSize> out) {
    encode(kNewsFields, n, out.data());
}

Tnewsitem decodeNewsItem(std::span<const std::uint8_t, Tnewsitem::kSize> in) {
    return decode(kNewsFields, in.data());
}

} // namespace quotara
