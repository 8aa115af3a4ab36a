#pragma once

#include <cstdint>
#include <random>

namespace torvane::app {

// A float in [0, 1) from the top 24 bits of a 64-bit draw: they fill a float's mantissa
// exactly, so the largest draw never rounds up to 1.
constexpr float unitFloat(std::uint64_t bits) {
    return static_cast<float>(bits >> 40) * 0x1p-24f;
}

// Uniform single-precision numbers in [0, 1).
class UniformRandom {
  public:
    explicit UniformRandom(std::uint64_t seed) : engine_(seed) {}
    // Seeded from the clock and the system's entropy: a new sequence on every start.
    static UniformRandom fromClock();

    float next() { return unitFloat(engine_()); }

  private:
    std::mt19937_64 engine_;
};

} // namespace torvane::app
