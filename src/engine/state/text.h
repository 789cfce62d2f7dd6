#pragma once
// Texts in records are single bytes of Windows-1252 ("£" is 0xA3); the windows use QString.
// Conversion happens only here.

#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quotara {

QString fromCp1252(std::string_view bytes);
// Characters without a Windows-1252 byte become '?'.
std::string toCp1252(const QString& text);
// The first character of text that Windows-1252 has no byte for ("İ" in "İsmail"); empty when
// the text can be kept as it is.
QString unsavableLetter(const QString& text);

// A length-prefixed text of fixed capacity N: one length byte, then N character bytes
// (N + 1 bytes in a record). Bytes after the length are kept as held, so a record read
// and written again comes back byte for byte.
template <std::size_t N> struct PString {
    static_assert(N <= 255);
    std::uint8_t len = 0;
    std::array<char, N> chars{};

    std::string_view view() const { return {chars.data(), std::min<std::size_t>(len, N)}; }
    bool empty() const { return len == 0; }
    // Longer texts are cut to the capacity.
    void assign(std::string_view s) {
        const auto n = std::min(s.size(), N);
        std::copy_n(s.begin(), n, chars.begin());
        len = static_cast<std::uint8_t>(n);
    }
    QString toQString() const { return fromCp1252(view()); }
    void assign(const QString& s) { assign(std::string_view(toCp1252(s))); }
    friend bool operator==(const PString& a, const PString& b) { return a.view() == b.view(); }
};

} // namespace quotara
