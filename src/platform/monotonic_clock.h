#pragma once

namespace torvane::platform {

// Seconds on a clock that never goes back, whatever the time of day does.
double monotonicSeconds();

} // namespace torvane::platform
