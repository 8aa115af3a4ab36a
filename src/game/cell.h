#pragma once

#include <array>

namespace torvane::game {

// A field has at most this many columns and rows.
inline constexpr int maxSide = 30;

// A cell by its column x and row y, both counted from 0 at the top left.
struct Cell {
    int x = 0;
    int y = 0;
    friend bool operator==(Cell, Cell) = default;
};

// Even rows, the top one among them, lie half a cell to the right of the odd ones.
constexpr bool isEvenRow(int y) {
    return y % 2 == 0;
}

// The six neighbours in the one order that laying mines and opening cells visit them. Some may
// lie outside the field; whoever receives them refuses those.
constexpr std::array<Cell, 6> neighbours(Cell cell) {
    const int x = cell.x;
    const int y = cell.y;
    const int diagonalX = isEvenRow(y) ? x + 1 : x - 1;
    return {
        {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}, {diagonalX, y - 1}, {diagonalX, y + 1}}};
}

} // namespace torvane::game
