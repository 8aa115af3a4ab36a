#include "app/uniform_random.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace torvane::app {
namespace {

// The generator's extremes span the whole of [0, 1) and never reach 1, where a draw would
// name a column past the field.
TEST(UniformRandom, ConversionOfTheExtremesStaysInTheHalfOpenUnitInterval) {
    struct Case {
        const char* name;
        std::uint64_t bits;
        float expected;
    };
    const Case cases[] = {
        {"all bits clear", 0, 0.0f},
        {"all bits set", std::numeric_limits<std::uint64_t>::max(), std::nextafter(1.0f, 0.0f)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const float converted = unitFloat(c.bits);
        EXPECT_GE(converted, 0.0f) << c.bits;
        EXPECT_LT(converted, 1.0f) << c.bits;
        EXPECT_EQ(converted, c.expected) << c.bits;
    }
}

TEST(UniformRandom, SpreadsEvenly) {
    UniformRandom random(7);
    std::array<int, 10> buckets{};
    const int draws = 100000;
    for (int i = 0; i < draws; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++buckets[static_cast<std::size_t>(r * 10.0f)];
    }
    for (const int count : buckets) {
        EXPECT_NEAR(count, draws / 10, draws / 100);
    }
}

TEST(UniformRandom, SameSeedSameSequenceClockSeedsDiffer) {
    UniformRandom a(42);
    UniformRandom b(42);
    for (int i = 0; i < 100; ++i) {
        ASSERT_EQ(a.next(), b.next());
    }
    UniformRandom c = UniformRandom::fromClock();
    UniformRandom d = UniformRandom::fromClock();
    bool differ = false;
    for (int i = 0; i < 8; ++i) {
        differ = differ || c.next() != d.next();
    }
    EXPECT_TRUE(differ);
}

} // namespace
} // namespace torvane::app
