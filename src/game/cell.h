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

// The six neighbours in the one order that laying mines and opening cells visit them: left,
// right, above, below, then the two diagonals, which lie right of an even row and left of an
// odd one. Some may lie outside the field; whoever receives them refuses those.
constexpr Cell neighbour(Cell cell, int index) {
    const int diagonalX = isEvenRow(cell.y) ? cell.x + 1 : cell.x - 1;
    switch (index) {
    case 0:
        return {cell.x - 1, cell.y};
    case 1:
        return {cell.x + 1, cell.y};
    case 2:
        return {cell.x, cell.y - 1};
    case 3:
        return {cell.x, cell.y + 1};
    case 4:
        return {diagonalX, cell.y - 1};
    default:
        return {diagonalX, cell.y + 1};
    }
}

inline constexpr int neighbourCount = 6;

constexpr std::array<Cell, neighbourCount> neighbours(Cell cell) {
    return {{neighbour(cell, 0), neighbour(cell, 1), neighbour(cell, 2), neighbour(cell, 3),
             neighbour(cell, 4), neighbour(cell, 5)}};
}

} // namespace torvane::game
