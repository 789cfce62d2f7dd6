#pragma once
// The one little-endian codec of the game's files and streams: the share and news records,
// the saved-game state file and the tip list stream all read and write their bytes here.
// Integers of 1, 2, 4 or 8 bytes, two's complement; doubles as IEEE 754 binary64;
// length-prefixed texts as their length byte and all N characters.

#include "state/text.h"

#include <bit>
#include <concepts>
#include <cstdint>
#include <span>
#include <type_traits>
#include <vector>

namespace quotara {

template <class T>
concept LittleEndianValue = (std::integral<T> && !std::same_as<T, bool>) || std::same_as<T, double>;

// Appends values to a growing run of bytes.
class ByteWriter {
  public:
    template <LittleEndianValue T> void put(T value) {
        using U =
            std::make_unsigned_t<std::conditional_t<std::is_same_v<T, double>, std::int64_t, T>>;
        const U u = std::bit_cast<U>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i)
            bytes_.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
    }
    template <std::size_t N> void put(const PString<N>& text) {
        put(text.len);
        for (char c : text.chars)
            bytes_.push_back(static_cast<std::uint8_t>(c));
    }
    void put(std::span<const std::uint8_t> raw) {
        bytes_.insert(bytes_.end(), raw.begin(), raw.end());
    }

    // Overwrites a value written earlier (a size or a checksum known only at the end).
    template <LittleEndianValue T> void putAt(std::size_t at, T value) {
        ByteWriter one;
        one.put(value);
        std::copy(one.bytes_.begin(), one.bytes_.end(), bytes_.begin() + std::ptrdiff_t(at));
    }

    std::size_t size() const { return bytes_.size(); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<std::uint8_t> bytes_;
};

// Reads values from a run of bytes, checking each against what is left. A read past the end
// gives zeros and marks the reader failed; so does fail(), for a value the caller refuses.
class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    template <LittleEndianValue T> T get() {
        using U =
            std::make_unsigned_t<std::conditional_t<std::is_same_v<T, double>, std::int64_t, T>>;
        const std::span<const std::uint8_t> b = take(sizeof(T));
        U u = 0;
        for (std::size_t i = b.size(); i-- > 0;)
            u = static_cast<U>((u << 8) | b[i]);
        return std::bit_cast<T>(u);
    }
    template <LittleEndianValue T> void get(T& value) { value = get<T>(); }
    template <std::size_t N> void get(PString<N>& text) {
        const std::span<const std::uint8_t> b = take(N + 1);
        if (b.empty()) return;
        text.len = b[0];
        std::copy(b.begin() + 1, b.end(), text.chars.begin());
    }
    // The next n bytes; none when fewer are left.
    std::span<const std::uint8_t> take(std::size_t n) {
        if (failed_ || n > left()) {
            failed_ = true;
            return {};
        }
        const auto out = bytes_.subspan(at_, n);
        at_ += n;
        return out;
    }

    std::size_t at() const { return at_; }
    std::size_t left() const { return bytes_.size() - at_; }
    bool failed() const { return failed_; }
    void fail() { failed_ = true; }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

// The FNV-1a digest (64 bits) of the state file: its checksum, and its mark of the share
// files it was saved with.
constexpr std::uint64_t fnv1a(std::span<const std::uint8_t> bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (std::uint8_t b : bytes) {
        h ^= b;
        h *= 1099511628211ull;
    }
    return h;
}

} // namespace quotara
