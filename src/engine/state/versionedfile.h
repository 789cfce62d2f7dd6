#pragma once
// Files of our own, which later versions of the game must go on reading: a 4-byte mark, the
// version that wrote the file (unsigned 16-bit), the file's size in bytes (unsigned 32-bit),
// the fields of that version in their table's order, and last the FNV-1a digest of every
// byte before it (64 bits). A file of an older version holds fewer fields; one of a newer
// version is refused by name, unread, since its layout is unknown.

#include "state/fieldtable.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace quotara {

struct FileFormat {
    std::array<char, 4> mark;
    std::uint16_t version; // the version this build writes and the newest it reads
};

namespace versioned {
constexpr std::size_t kVersionAt = 4, kSizeAt = 6, kFieldsAt = 10, kChecksumSize = 8;
}

enum class VersionCheck {
    Valid,
    Damaged, // not such a file, cut short, changed, or a field out of its range
    Newer,   // written by a newer version of the game
};

struct VersionRead {
    VersionCheck result = VersionCheck::Damaged;
    std::uint16_t version = 0; // the file's version, when Valid
};

// The bytes of a file of `version` (the format's own unless a test asks for another).
template <class R, class T, std::size_t N>
std::vector<std::uint8_t> writeVersioned(const FileFormat& format,
                                         const std::array<Field<R, T>, N>& table, const R& r,
                                         std::uint16_t version) {
    ByteWriter w;
    for (char c : format.mark)
        w.put(static_cast<std::uint8_t>(c));
    w.put(version);
    w.put(std::uint32_t{0}); // the size, once known
    fields::write(table, r, w, version);
    w.putAt(versioned::kSizeAt, static_cast<std::uint32_t>(w.size() + versioned::kChecksumSize));
    w.put(fnv1a(w.bytes()));
    return w.take();
}

// Reads and checks a whole file into `r`: the mark, then the version, then the size and the
// checksum, then every field of the file's version, which must end where the checksum
// begins, and every check of the table. `r` holds garbage unless the result is Valid.
template <class R, class T, std::size_t N>
VersionRead readVersioned(const FileFormat& format, const std::array<Field<R, T>, N>& table,
                          std::span<const std::uint8_t> bytes, R& r) {
    using namespace versioned;
    VersionRead out;
    ByteReader head(bytes);
    const auto mark = head.take(format.mark.size());
    if (head.failed() || !std::equal(mark.begin(), mark.end(), format.mark.begin())) return out;
    const auto version = head.get<std::uint16_t>();
    if (head.failed() || version == 0) return out;
    if (version > format.version) {
        out.result = VersionCheck::Newer;
        return out;
    }
    const auto size = head.get<std::uint32_t>();
    if (head.failed() || size != bytes.size() || size < kFieldsAt + kChecksumSize) return out;
    const auto body = bytes.first(size - kChecksumSize);
    if (ByteReader(bytes.subspan(body.size())).get<std::uint64_t>() != fnv1a(body)) return out;

    ByteReader in(body.subspan(kFieldsAt));
    if (!fields::read(table, r, in, version) || in.left() != 0) return out;
    if (!fields::valid(table, r, version)) return out;
    out.result = VersionCheck::Valid;
    out.version = version;
    return out;
}

} // namespace quotara
