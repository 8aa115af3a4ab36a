#include "app/uniform_random.h"

#include <chrono>

namespace torvane::app {

UniformRandom UniformRandom::fromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    std::random_device device;
    return UniformRandom(static_cast<std::uint64_t>(now) ^ (std::uint64_t{device()} << 32));
}

} // namespace torvane::app
