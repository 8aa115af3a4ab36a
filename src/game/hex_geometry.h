#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace torvane::game {

inline constexpr int maxSide = 30;

// The hex lattice in the field picture's pixels: cells 18 apart in a row, rows 17 apart,
// even rows shifted half a cell; a cell's hit area starts 3 pixels below its tile's top.
inline constexpr int cellPitch = 18;
inline constexpr int rowPitch = 17;
inline constexpr int evenRowShift = cellPitch / 2;
inline constexpr int hitTop = 3;
// Room the picture leaves beyond the last column and row for the tiles' overhang.
inline constexpr int fieldExtraWidth = 10;
inline constexpr int fieldExtraHeight = 8;

struct Cell {
    std::int16_t x = 0;
    std::int16_t y = 0;
    friend bool operator==(Cell, Cell) = default;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(PixelPoint, PixelPoint) = default;
};

// Even rows are shifted half a cell to the right.
constexpr bool IsEvenRow(int y) {
    return y % 2 == 0;
}

// The six neighbours in the one order every procedure visits them; some may lie
// outside the field, and the receiving procedure refuses those.
constexpr std::array<Cell, 6> Neighbours(Cell c) {
    const auto x = c.x;
    const auto y = c.y;
    const std::int16_t diagonalX = IsEvenRow(y) ? x + 1 : x - 1;
    return {{{static_cast<std::int16_t>(x - 1), y},
             {static_cast<std::int16_t>(x + 1), y},
             {x, static_cast<std::int16_t>(y - 1)},
             {x, static_cast<std::int16_t>(y + 1)},
             {diagonalX, static_cast<std::int16_t>(y - 1)},
             {diagonalX, static_cast<std::int16_t>(y + 1)}}};
}

inline constexpr int tileWidth = 19;
inline constexpr int tileHeight = 24;

// Top-left pixel of a cell's tile in the field picture.
constexpr PixelPoint TilePosition(Cell c) {
    return {cellPitch * c.x + (IsEvenRow(c.y) ? evenRowShift : 0), rowPitch * c.y};
}

// Inner size of the field picture that holds a field of this many columns and rows.
constexpr PixelPoint FieldPixelSize(int columns, int rows) {
    return {cellPitch * columns + fieldExtraWidth, rowPitch * rows + fieldExtraHeight};
}

// The cell under a point of the field picture, in single precision as the field
// reports pointer positions; nothing when the point lies on no cell.
std::optional<Cell> CellAt(float X, float Y, int fieldWidth, int fieldHeight);

} // namespace torvane::game
