#pragma once

namespace torvane::game {

// A time sets a record only when strictly shorter than the best one: a tie keeps the holder.
constexpr bool isNewRecord(double seconds, double bestSeconds) {
    return seconds < bestSeconds;
}

} // namespace torvane::game
