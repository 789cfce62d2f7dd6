#pragma once
// Round and Trunc as the game uses them, and the display forms of money, prices and changes.

#include <QString>

#include <cmath>
#include <cstdint>

namespace quotara {

// Round: nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline std::int64_t roundHalfEven(double x) {
    // Below 2^52 adding and taking away 2^52 leaves the whole number the default rounding mode
    // (to nearest, halves to even) gives, without a library call on every price of every day.
    constexpr double k = 4503599627370496.0;
    if (x > -k && x < k) return static_cast<std::int64_t>(x < 0 ? (x - k) + k : (x + k) - k);
    return static_cast<std::int64_t>(std::nearbyint(x));
}
// Trunc: towards zero.
inline std::int64_t truncate(double x) {
    return static_cast<std::int64_t>(std::trunc(x));
}

// Exactly num / den rounded half to even, in integers (den > 0). Inline, so a constant den
// (the 100 pence of a pound, every holding of every day) costs no division.
inline std::int64_t roundDiv(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den; // towards zero
    const std::int64_t r = num % den;
    const std::int64_t twice = 2 * (r < 0 ? -r : r);
    if (twice > den || (twice == den && (q % 2 != 0))) q += (num < 0) ? -1 : 1;
    return q;
}

// Pounds from a sum in pence: Round(s * 0.01) where money moves, Trunc(s * 0.01) where a
// figure is only shown. Both are exact for every 64-bit s.
inline std::int64_t poundsRound(std::int64_t pence) {
    return roundDiv(pence, 100);
}
inline std::int64_t poundsTrunc(std::int64_t pence) {
    return pence / 100;
}

// "+12", "+0", "-4": a change in pence or points.
QString changeText(std::int64_t change);
// "£15000", "£-1": money in pounds, no separators, as the design's own texts write it.
QString poundsText(std::int64_t pounds);
// "£15000", "-£1": the same in the texts of our own (the Performance window's).
QString signedPounds(std::int64_t pounds);
// "1134p": a price in pence.
QString penceText(std::int64_t pence);

// Display colour of a change or gain: red below zero, blue otherwise.
enum class Tone { Black, Blue, Red };
inline Tone toneOf(std::int64_t v) {
    return v < 0 ? Tone::Red : Tone::Blue;
}

} // namespace quotara
