#include "state/text.h"

namespace quotara {
namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five unassigned bytes, read as themselves.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t toUnicode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) return kHigh[b - 0x80];
    return b;
}

} // namespace

QString fromCp1252(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes)
        out.append(QChar(toUnicode(static_cast<unsigned char>(c))));
    return out;
}

std::string toCp1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar qc : text) {
        const char16_t u = qc.unicode();
        // The unassigned bytes were read as themselves, so they go back as themselves.
        const bool unassigned = u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] == 0;
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || unassigned) {
            out.push_back(static_cast<char>(u));
            continue;
        }
        char b = '?';
        for (std::size_t i = 0; i < kHigh.size(); ++i)
            if (kHigh[i] == u && u != 0) b = static_cast<char>(0x80 + i);
        out.push_back(b);
    }
    return out;
}

QString unsavableLetter(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // Beyond the first 65536 characters: no byte for any of them.
        if (c.isSurrogate()) return text.mid(i, c.isHighSurrogate() ? 2 : 1);
        if (c != QLatin1Char('?') && toCp1252(QString(c)) == "?") return QString(c);
    }
    return {};
}

} // namespace quotara
