#pragma once

#include <cstdint>

namespace torvane::game {

// The number of a picture in the tile sheet, as stored in cellView.
using TileIndex = std::int16_t;

namespace tile {
inline constexpr TileIndex open = 0; // 1 to 6: an opened cell showing its count
inline constexpr TileIndex mine = 7;
inline constexpr TileIndex explodedMine = 8;
inline constexpr TileIndex covered = 9;
inline constexpr TileIndex flag = 10;
inline constexpr TileIndex questionMark = 11; // in the sheet, never shown
inline constexpr TileIndex wrongFlag = 12;
inline constexpr int count = 13;
} // namespace tile

// mineMap holds 0..6 for a safe cell's neighbour count, this for a mine.
inline constexpr std::int16_t mineValue = 7;

} // namespace torvane::game
