#pragma once
// Records described once, as a table of fields. Each field says how many bytes it takes, the
// file version it appeared in, the values play can give it and how it goes into the game.
// The writer, the reader, the checks and the load's apply all walk the same table, in its
// order, so no field can be written in one place and read in another, or read and never
// checked. The bytes go through the one little-endian codec (state/bytes.h).

#include "state/bytes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace quotara {

// Walks every field whatever its version: the records of the shared file formats have none.
constexpr std::uint16_t kEveryVersion = std::numeric_limits<std::uint16_t>::max();

// Record: what the file's bytes decode into. Target: what a load applies the fields to, a
// base of Record or Record itself.
template <class Record, class Target = Record> struct Field {
    std::size_t size = 0;    // bytes in the file; 0 for a counted list, whose count says
    std::uint16_t since = 1; // the first file version that holds it
    void (*write)(const Record&, ByteWriter&, std::uint16_t version) = nullptr;
    void (*read)(Record&, ByteReader&, std::uint16_t version) = nullptr;
    // A figure and the range play keeps it in (a text's figure is its length).
    double (*figure)(const Record&) = nullptr;
    // Set with the figure: a function pointer compared in a constant expression is not constant
    // under the sanitizers.
    bool figured = false;
    bool ranged = false;
    double lo = 0, hi = 0;
    bool (*rule)(const Record&) = nullptr;                         // a check across fields
    bool (*items)(const Record&, std::uint16_t version) = nullptr; // a list's items, checked
    void (*apply)(const Record& from, Target& to) = nullptr;
    // What the game holds when a file lacks the field (an older version, or no state file at
    // all); none: what it held before the load.
    void (*absent)(Target& to) = nullptr;

    constexpr Field addedIn(std::uint16_t version) const {
        Field f = *this;
        f.since = version;
        return f;
    }
    constexpr Field in(double low, double high) const {
        // In a constexpr table this fails the build: a range needs a figure to check.
        if (!figured) throw std::logic_error("a range on a field without a figure");
        Field f = *this;
        f.ranged = true, f.lo = low, f.hi = high;
        return f;
    }
    constexpr Field with(bool (*check)(const Record&)) const {
        Field f = *this;
        f.rule = check;
        return f;
    }
    constexpr Field whenAbsent(void (*set)(Target&)) const {
        Field f = *this;
        f.absent = set;
        return f;
    }
};

namespace fields {

template <class> struct MemberOf;
template <class R, class T> struct MemberOf<T R::*> {
    using Record = R;
    using Type = T;
};
template <auto Member> using MemberType = typename MemberOf<decltype(Member)>::Type;
template <auto Member> using MemberClass = typename MemberOf<decltype(Member)>::Record;

template <class T> struct Stored {
    static constexpr std::size_t size = sizeof(T);
    static void put(ByteWriter& w, const T& v) { w.put(v); }
    static void get(ByteReader& r, T& v) { r.get(v); }
};
template <std::size_t N> struct Stored<PString<N>> {
    static constexpr std::size_t size = N + 1;
    static void put(ByteWriter& w, const PString<N>& v) { w.put(v); }
    static void get(ByteReader& r, PString<N>& v) { r.get(v); }
};
// Raw bytes kept as read.
template <std::size_t N> struct Stored<std::array<std::uint8_t, N>> {
    static constexpr std::size_t size = N;
    static void put(ByteWriter& w, const std::array<std::uint8_t, N>& v) { w.put(v); }
    static void get(ByteReader& r, std::array<std::uint8_t, N>& v) {
        const auto b = r.take(N);
        std::copy(b.begin(), b.end(), v.begin());
    }
};

template <class T> double figureOf(const T& v) {
    if constexpr (LittleEndianValue<T>)
        return static_cast<double>(v);
    else
        return v.len; // a PString
}
template <class T> constexpr bool hasFigure = LittleEndianValue<T> || requires(const T& t) {
    t.len;
};

// The fields of `version`, one after another.
template <class R, class T, std::size_t N>
void write(const std::array<Field<R, T>, N>& table, const R& r, ByteWriter& w,
           std::uint16_t version) {
    for (const auto& f : table)
        if (f.since <= version) f.write(r, w, version);
}

// False when the bytes run out or a count is refused.
template <class R, class T, std::size_t N>
bool read(const std::array<Field<R, T>, N>& table, R& r, ByteReader& in, std::uint16_t version) {
    for (const auto& f : table)
        if (f.since <= version) f.read(r, in, version);
    return !in.failed();
}

// Every field of `version` holds what play can give it.
template <class R, class T, std::size_t N>
bool valid(const std::array<Field<R, T>, N>& table, const R& r, std::uint16_t version) {
    for (const auto& f : table) {
        if (f.since > version) continue;
        if (f.ranged) {
            const double v = f.figure(r);
            if (!(v >= f.lo && v <= f.hi)) return false; // NaN fails too
        }
        if (f.rule && !f.rule(r)) return false;
        if (f.items && !f.items(r, version)) return false;
    }
    return true;
}

// A checked record into the game: the fields of `version`, and for the fields it lacks what
// the game holds without them.
template <class R, class T, std::size_t N>
void apply(const std::array<Field<R, T>, N>& table, const R& from, T& to, std::uint16_t version) {
    for (const auto& f : table) {
        if (f.since <= version && f.apply)
            f.apply(from, to);
        else if (f.since > version && f.absent)
            f.absent(to);
    }
}

// The fields a file without any of them leaves: a load without the file.
template <class R, class T, std::size_t N>
void applyAbsent(const std::array<Field<R, T>, N>& table, T& to) {
    for (const auto& f : table)
        if (f.absent) f.absent(to);
}

// Bytes of the fields of `version`; 0 when a counted list makes the size vary.
template <class R, class T, std::size_t N>
constexpr std::size_t fixedSize(const std::array<Field<R, T>, N>& table,
                                std::uint16_t version = kEveryVersion) {
    std::size_t size = 0;
    for (const auto& f : table) {
        if (f.since > version) continue;
        if (f.size == 0) return 0;
        size += f.size;
    }
    return size;
}

// Where each field of a fixed layout starts, for a static_assert that pins them.
template <class R, class T, std::size_t N>
constexpr std::array<std::size_t, N> offsets(const std::array<Field<R, T>, N>& table) {
    std::array<std::size_t, N> at{};
    std::size_t next = 0;
    for (std::size_t i = 0; i < N; ++i) {
        at[i] = next;
        next += table[i].size;
    }
    return at;
}

} // namespace fields

// A member stored as itself. Record may derive from the member's class; the load applies the
// member when Target has it.
template <auto Member, class Record = fields::MemberClass<Member>, class Target = Record>
constexpr Field<Record, Target> field() {
    using T = fields::MemberType<Member>;
    using S = fields::Stored<T>;
    Field<Record, Target> f;
    f.size = S::size;
    f.write = [](const Record& r, ByteWriter& w, std::uint16_t) { S::put(w, r.*Member); };
    f.read = [](Record& r, ByteReader& in, std::uint16_t) { S::get(in, r.*Member); };
    if constexpr (fields::hasFigure<T>)
        f.figure = [](const Record& r) { return fields::figureOf(r.*Member); };
    f.figured = true;
    if constexpr (std::is_base_of_v<fields::MemberClass<Member>, Target>)
        f.apply = [](const Record& from, Target& to) { to.*Member = from.*Member; };
    return f;
}

// Entry Index of an array member.
template <auto Member, std::size_t Index, class Record = fields::MemberClass<Member>,
          class Target = Record>
constexpr Field<Record, Target> element() {
    using E = typename fields::MemberType<Member>::value_type;
    using S = fields::Stored<E>;
    Field<Record, Target> f;
    f.size = S::size;
    f.write = [](const Record& r, ByteWriter& w, std::uint16_t) { S::put(w, (r.*Member)[Index]); };
    f.read = [](Record& r, ByteReader& in, std::uint16_t) { S::get(in, (r.*Member)[Index]); };
    f.figure = [](const Record& r) { return fields::figureOf((r.*Member)[Index]); };
    f.figured = true;
    return f;
}

// Entries First..First+Count-1 of an array member, one after another.
template <auto Member, std::size_t First, std::size_t Count,
          class Record = fields::MemberClass<Member>, class Target = Record>
constexpr Field<Record, Target> run() {
    using E = typename fields::MemberType<Member>::value_type;
    using S = fields::Stored<E>;
    Field<Record, Target> f;
    f.size = Count * S::size;
    f.write = [](const Record& r, ByteWriter& w, std::uint16_t) {
        for (std::size_t i = 0; i < Count; ++i)
            S::put(w, (r.*Member)[First + i]);
    };
    f.read = [](Record& r, ByteReader& in, std::uint16_t) {
        for (std::size_t i = 0; i < Count; ++i)
            S::get(in, (r.*Member)[First + i]);
    };
    return f;
}

// A counted list: the number of items (unsigned 32-bit), then the items, each a fixed-size
// sub-record described by its own table (`Items`, whose fields may carry versions too). A
// count above Max, or more than the bytes left can hold, is refused before anything is
// reserved, so the file's size follows its content.
template <auto Member, const auto& Items, std::size_t Max,
          class Record = fields::MemberClass<Member>, class Target = Record>
constexpr Field<Record, Target> list() {
    using Item = typename fields::MemberType<Member>::value_type;
    static_assert(std::is_same_v<std::remove_cvref_t<decltype(Items[0])>, Field<Item>>);
    static_assert(fields::fixedSize(Items) > 0, "the items of a list have a fixed size");
    Field<Record, Target> f;
    f.size = 0;
    f.write = [](const Record& r, ByteWriter& w, std::uint16_t version) {
        w.put(static_cast<std::uint32_t>((r.*Member).size()));
        for (const Item& item : r.*Member)
            fields::write(Items, item, w, version);
    };
    f.read = [](Record& r, ByteReader& in, std::uint16_t version) {
        const std::uint32_t count = in.get<std::uint32_t>();
        const std::size_t itemSize = fields::fixedSize(Items, version);
        if (count > Max || (itemSize > 0 && count > in.left() / itemSize)) in.fail();
        if (in.failed()) return;
        auto& out = r.*Member;
        out.assign(count, Item{});
        for (Item& item : out)
            fields::read(Items, item, in, version);
    };
    f.items = [](const Record& r, std::uint16_t version) {
        for (const Item& item : r.*Member)
            if (!fields::valid(Items, item, version)) return false;
        return true;
    };
    if constexpr (std::is_base_of_v<fields::MemberClass<Member>, Target>)
        f.apply = [](const Record& from, Target& to) { to.*Member = from.*Member; };
    return f;
}

} // namespace quotara
