#include "view/drawn_tiles.h"

#include <algorithm>
#include <cmath>

namespace torvane::view {

TileShape::TileShape(const QImage& sheet, QPoint corner) {
    for (int row = 0; row < tileHeight; ++row) {
        for (int column = 0; column < tileWidth; ++column) {
            rows_[row][column] = (sheet.pixel(corner + QPoint(column, row)) & RGB_MASK) == 0;
        }
    }
}

bool TileShape::covers(QPoint pixel) const {
    return pixel.x() >= 0 && pixel.x() < tileWidth && pixel.y() >= 0 && pixel.y() < tileHeight &&
           rows_[pixel.y()][pixel.x()];
}

DrawnTiles::DrawnTiles(TileShape shape) : shape_(shape) {}

void DrawnTiles::clear(int columns, int rows) {
    columns_ = columns;
    rows_ = rows;
    drawnAt_.assign(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), 0);
}

void DrawnTiles::drawn(game::Cell cell) {
    drawnAt_[static_cast<std::size_t>(cell.y * columns_ + cell.x)] = ++draws_;
}

std::optional<game::Cell> DrawnTiles::cellAt(QPointF point) const {
    const auto beside = [&] {
        return view::cellAt(static_cast<float>(point.x()), static_cast<float>(point.y()), columns_,
                            rows_);
    };
    const QSize picture = fieldPixelSize(columns_, rows_);
    // Compared as doubles first: a far-away or non-finite point must not reach an int cast.
    if (!(point.x() >= 0 && point.x() < picture.width() && point.y() >= 0 &&
          point.y() < picture.height())) {
        return beside();
    }
    const QPoint pixel(static_cast<int>(std::floor(point.x())),
                       static_cast<int>(std::floor(point.y())));
    // A pixel lies in the tiles of at most two rows, and of at most two cells in each.
    std::uint64_t latest = 0;
    std::optional<game::Cell> shown;
    const int lastRow = std::min(rows_ - 1, pixel.y() / rowPitch);
    for (int row = std::max(0, (pixel.y() - tileHeight + rowPitch) / rowPitch); row <= lastRow;
         ++row) {
        const int x = pixel.x() - tilePosition({0, row}).x();
        if (x < 0) {
            continue;
        }
        const int lastColumn = std::min(columns_ - 1, x / cellPitch);
        for (int column = std::max(0, (x - tileWidth + cellPitch) / cellPitch);
             column <= lastColumn; ++column) {
            const game::Cell cell{column, row};
            const std::uint64_t drawnAt =
                drawnAt_[static_cast<std::size_t>(row * columns_ + column)];
            if (drawnAt > latest && shape_.covers(pixel - tilePosition(cell))) {
                latest = drawnAt;
                shown = cell;
            }
        }
    }
    return shown ? shown : beside();
}

} // namespace torvane::view
