#pragma once

#include "game/cell.h"
#include "view/hex_layout.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

namespace torvane::view {

// The pixels of its block that a tile paints: those the mask clears.
class TileShape {
  public:
    // From the mask whose top-left pixel is at `corner` of the sheet; black is covered.
    TileShape(const QImage& sheet, QPoint corner);

    // A pixel of the tile's block, counted from its top-left corner; nothing outside the block.
    bool covers(QPoint pixel) const;

  private:
    std::array<std::bitset<tileWidth>, tileHeight> rows_{};
};

// Which cell shows at each pixel of the field picture, kept as the tiles are drawn: a tile
// paints its whole shape, so where tiles overlap the one drawn last shows.
class DrawnTiles {
  public:
    explicit DrawnTiles(TileShape shape);

    // A field of this size, cleared: no tile shows.
    void clear(int columns, int rows);
    // The cell's tile has just been drawn, over whatever it overlaps.
    void drawn(game::Cell cell);

    // The cell whose tile shows at a point of the field picture. Where no tile shows, the rows
    // are taken as rectangles as they always were, which gives a cell or nothing.
    std::optional<game::Cell> cellAt(QPointF point) const;

  private:
    TileShape shape_;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::uint64_t> drawnAt_; // per cell, row by row; 0 until drawn
    std::uint64_t draws_ = 0;
};

} // namespace torvane::view
