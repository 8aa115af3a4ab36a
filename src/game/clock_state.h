#pragma once

namespace torvane::game {

// The clock stops for good at this many seconds.
inline constexpr int clockCap = 999;

// Whole seconds since the first press of a game.
struct ClockState {
    bool running = false;
    int seconds = 0;
    bool capped() const { return seconds >= clockCap; }
};

} // namespace torvane::game
