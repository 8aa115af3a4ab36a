#pragma once

#include "game/cell_state.h"
#include "view/hex_layout.h"

#include <QImage>

namespace torvane::view {

// The sheet's pictures, 19 pixels apart: the open cell with no count, then its counts 1 to 6,
// a mine, an exploded mine, the covered cell, a flag, a question mark (never shown), a wrong
// flag, and after them the mask that shapes every tile.
namespace tile {
inline constexpr int open = 0;
inline constexpr int mine = 7;
inline constexpr int explodedMine = 8;
inline constexpr int covered = 9;
inline constexpr int flag = 10;
inline constexpr int questionMark = 11;
inline constexpr int wrongFlag = 12;
inline constexpr int count = 13;
} // namespace tile

// The sheet of 13 tiles and their mask, loaded once, as Format_RGB32 for blitting.
const QImage& tileSheet();

// The picture that shows a cell's state.
constexpr int tileOf(game::CellState state) {
    switch (state.kind) {
    case game::CellState::Covered:
        return tile::covered;
    case game::CellState::Flagged:
        return tile::flag;
    case game::CellState::Open:
        return tile::open + state.count;
    case game::CellState::Mine:
        return tile::mine;
    case game::CellState::ExplodedMine:
        return tile::explodedMine;
    case game::CellState::WrongFlag:
        return tile::wrongFlag;
    }
    return tile::covered;
}

// Where a picture starts in the sheet; the mask follows the last one.
constexpr int tileColumn(int tile) {
    return tileWidth * tile;
}
inline constexpr int maskColumn = tileColumn(tile::count);

} // namespace torvane::view
