#pragma once

namespace torvane::app {

// Seconds on a clock that never goes back, whatever the time of day does.
double monotonicSeconds();

} // namespace torvane::app
