// The records and texts of the game's files: decoding then encoding gives the same bytes.

#include "fuzz.h"
#include "targets.h"

#include "state/records.h"
#include "state/sharefile.h"
#include "state/text.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace quotara::fuzz {
namespace {

// The input, cut or padded with zeros to one record.
template <std::size_t N> std::array<std::uint8_t, N> record(Bytes input) {
    std::array<std::uint8_t, N> r{};
    std::copy_n(input.begin(), std::min(N, input.size()), r.begin());
    return r;
}

} // namespace

void newsRecord(Bytes input) {
    const auto bytes = record<Tnewsitem::kSize>(input);
    const Tnewsitem item = decodeNewsItem(bytes);
    FUZZ_CHECK(item.affect[12] >= -2 && item.affect[12] <= 2);
    std::array<std::uint8_t, Tnewsitem::kSize> again{};
    encodeNewsItem(item, again);
    FUZZ_CHECK(again == bytes);
    // What the editor shows of the text converts back to the same bytes.
    FUZZ_CHECK(toCp1252(item.text.toQString()) == std::string(item.text.view()));
}

void shareRecord(Bytes input) {
    const auto bytes = record<Tshare::kSize>(input);
    const Tshare share = decodeShare(bytes);
    std::array<std::uint8_t, Tshare::kSize> again{};
    encodeShare(share, again);
    FUZZ_CHECK(again == bytes);
    // Made safe for use, only an overlong name length changes.
    const Tshare safe = safeShare(share);
    encodeShare(safe, again);
    FUZZ_CHECK(again[0] == std::min<std::uint8_t>(bytes[0], 40));
    FUZZ_CHECK(std::equal(again.begin() + 1, again.end(), bytes.begin() + 1));
    FUZZ_CHECK(safe.name.toQString().size() <= 40);
}

void cp1252(Bytes input) {
    // Bytes from a file survive the trip through QString, one character each.
    const std::string_view bytes(reinterpret_cast<const char*>(input.data()), input.size());
    const QString text = fromCp1252(bytes);
    FUZZ_CHECK(text.size() == qsizetype(bytes.size()));
    FUZZ_CHECK(toCp1252(text) == bytes);

    // Any typed text becomes one byte per UTF-16 unit; what has a byte comes back unchanged.
    std::u16string units(input.size() / 2, u'\0');
    std::memcpy(units.data(), input.data(), units.size() * 2);
    const QString typed = QString::fromUtf16(units.data(), qsizetype(units.size()));
    const std::string stored = toCp1252(typed);
    FUZZ_CHECK(stored.size() == std::size_t(typed.size()));
    const QString back = fromCp1252(stored);
    for (qsizetype i = 0; i < typed.size(); ++i)
        FUZZ_CHECK(back[i] == typed[i] || back[i] == QLatin1Char('?'));

    // A length-prefixed text keeps at most its capacity.
    PString<20> name;
    name.assign(typed);
    FUZZ_CHECK(name.len <= 20 && name.toQString() == back.left(20));
}

} // namespace quotara::fuzz
