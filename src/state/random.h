#pragma once
// The program-wide generator and the clock that reseeds it. The game owns one Random;
// tests seed it and give a fake Clock, so every draw is reproducible.

#include <cstdint>

namespace quotara {

class Clock {
  public:
    virtual ~Clock() = default;
    // Milliseconds since midnight: ((h * 60 + m) * 60 + s) * 1000 + ms, 0..86,399,999.
    virtual std::uint32_t msOfDay() = 0;
};

// The real time of day.
class SystemClock final : public Clock {
  public:
    std::uint32_t msOfDay() override;
};

// 32-bit linear congruential generator: seed' = seed * 134775813 + 1 (mod 2^32).
class Random {
  public:
    // 0..n-1 from the upper 32 bits of seed' * n; 0 for n = 0, which still advances the seed.
    std::uint32_t operator()(std::uint32_t n) {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
    }
    void reseed(Clock& clock) { seed_ = clock.msOfDay(); }
    void setSeed(std::uint32_t seed) { seed_ = seed; }
    std::uint32_t seed() const { return seed_; }

  private:
    std::uint32_t seed_ = 0;
};

} // namespace quotara
