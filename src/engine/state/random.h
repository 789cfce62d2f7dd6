#pragma once
// The program-wide generator and the clock that reseeds it. The game owns one Random;
// tests seed it and give a fake Clock, so every draw is reproducible.

#include <QDate>

#include <cstdint>

namespace quotara {

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since midnight: ((h * 60 + m) * 60 + s) * 1000 + ms, 0..86,399,999.
    virtual std::uint32_t msOfDay() = 0;
    // Today's date by the computer's calendar (the day a level was won); a clock that only
    // counts time gives none (an invalid date).
    virtual QDate today() { return {}; }
};

// The real time of day and date.
class SystemClock final : public Clock {
  public:
    std::uint32_t msOfDay() override;
    QDate today() override;
};

// A deterministic clock: the first read gives start, each further read step milliseconds more,
// modulo one day. The simulator's clock and the tests' fake; nothing asks the system.
class SteppingClock final : public Clock {
  public:
    explicit SteppingClock(std::uint32_t start = 0, std::uint32_t step = 0)
        : next_(start), step_(step) {}
    std::uint32_t msOfDay() override {
        const auto now = static_cast<std::uint32_t>(next_ % kMsPerDay);
        next_ = std::uint64_t{now} + step_;
        return now;
    }
    static constexpr std::uint32_t kMsPerDay = 86'400'000;

  private:
    std::uint64_t next_;
    std::uint32_t step_;
};

// 32-bit linear congruential generator: seed' = seed * 134775813 + 1 (mod 2^32).
class Random {
  public:
    // 0..n-1 from the upper 32 bits of seed' * n; 0 for n = 0, which still advances the seed.
    std::uint32_t operator()(std::uint32_t n) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
    }
    // As many draws as steps, whatever their ranges, in a few multiplications.
    void skip(std::uint32_t steps) {
        std::uint32_t mul = 1, add = 0, a = 134775813u, c = 1u;
        for (; steps != 0; steps >>= 1) {
            if (steps & 1u) {
                mul *= a;
                add = add * a + c;
            }
            c *= a + 1u;
            a *= a;
        }
        seed_ = seed_ * mul + add;
    }
    void reseed(Clock& clock) { seed_ = clock.msOfDay(); }
    void setSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t seed() const { return seed_; }

  private:
    std::uint32_t seed_ = 0;
};

} // namespace quotara
