#pragma once

namespace torvane::game {

// The clock stops for good at this many seconds.
inline constexpr int clockCap = 999;

// The game's clock: whole seconds since the first press of a game, as last shown.
struct Clock {
    bool running = false;
    int seconds = 0;
    bool capped() const { return seconds >= clockCap; }
};

} // namespace torvane::game
