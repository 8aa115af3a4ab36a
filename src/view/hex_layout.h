#pragma once

#include "game/cell.h"

#include <QPoint>
#include <QSize>
#include <optional>

namespace torvane::view {

// The hex lattice in the field picture's pixels: cells 18 apart in a row, rows 17 apart, even
// rows shifted half a cell; a row's rectangle for presses beside the tiles starts 3 pixels below
// its tiles' tops.
inline constexpr int cellPitch = 18;
inline constexpr int rowPitch = 17;
inline constexpr int evenRowShift = cellPitch / 2;
inline constexpr int hitTop = 3;
inline constexpr int tileWidth = 19;
inline constexpr int tileHeight = 24;
// Room the picture leaves beyond the last column and row for the tiles' overhang.
inline constexpr int fieldExtraWidth = 10;
inline constexpr int fieldExtraHeight = 8;

// Top-left pixel of a cell's tile in the field picture.
constexpr QPoint tilePosition(game::Cell cell) {
    return {cellPitch * cell.x + (game::isEvenRow(cell.y) ? evenRowShift : 0), rowPitch * cell.y};
}

// Size of the field picture that holds this many columns and rows.
constexpr QSize fieldPixelSize(int columns, int rows) {
    return {cellPitch * columns + fieldExtraWidth, rowPitch * rows + fieldExtraHeight};
}

// The cell whose row rectangle holds a point of the field picture, in single precision as
// pointer positions have always been taken; nothing when the point lies on no cell of a field
// this size. It decides presses beside the tiles; on a tile, the tile decides (DrawnTiles).
std::optional<game::Cell> cellAt(float x, float y, int columns, int rows);

} // namespace torvane::view
