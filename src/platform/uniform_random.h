#pragma once

#include <cstdint>
#include <random>

namespace torvane::platform {

// Uniform single-precision numbers in [0, 1).
class UniformRandom {
  public:
    explicit UniformRandom(std::uint64_t seed) : engine_(seed) {}
    // Seeded from the clock and the system's entropy: a new sequence on every start.
    static UniformRandom FromClock();

    float Next() {
        // 24 random bits fill a float's mantissa exactly, so the result never rounds up to 1.
        return static_cast<float>(engine_() >> 40) * 0x1p-24f;
    }

  private:
    std::mt19937_64 engine_;
};

} // namespace torvane::platform
