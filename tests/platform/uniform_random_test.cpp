#include "platform/uniform_random.h"

#include <array>
#include <gtest/gtest.h>

namespace torvane::platform {
namespace {

TEST(UniformRandom, StaysInHalfOpenUnitIntervalAndSpreadsEvenly) {
    UniformRandom random(7);
    std::array<int, 10> buckets{};
    const int draws = 100000;
    for (int i = 0; i < draws; ++i) {
        const float r = random.Next();
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
        ASSERT_EQ(a.Next(), b.Next());
    }
    UniformRandom c = UniformRandom::FromClock();
    UniformRandom d = UniformRandom::FromClock();
    bool differ = false;
    for (int i = 0; i < 8; ++i) {
        differ = differ || c.Next() != d.Next();
    }
    EXPECT_TRUE(differ);
}

} // namespace
} // namespace torvane::platform
