#pragma once

#include <cstdint>

namespace torvane::game {

// Colours as 0x00BBGGRR, the form the game's states are known by.
using Colour = std::uint32_t;

namespace colour {
inline constexpr Colour red = 255;
inline constexpr Colour green = 65280;
inline constexpr Colour lightGrey = 12632256;
inline constexpr Colour black = 0;
} // namespace colour

} // namespace torvane::game
