#include "game/testing/cell_printer.h"
#include "view/drawn_tiles.h"
#include "view/tile_sheet.h"

#include <QImage>
#include <gtest/gtest.h>
#include <vector>

namespace torvane::view {
namespace {

using game::Cell;

// The cells' tiles painted in their order, each in a colour of its own through the sheet's mask:
// the cell whose colour a pixel ends with is the one whose tile shows there.
class PaintedField {
  public:
    PaintedField(int columns, int rows)
        : columns_(columns), owners_(fieldPixelSize(columns, rows), QImage::Format_RGB32) {
        owners_.fill(nobody);
    }

    void paint(Cell cell) {
        const QPoint corner = tilePosition(cell);
        for (int y = 0; y < tileHeight; ++y) {
            for (int x = 0; x < tileWidth; ++x) {
                const bool masked = (tileSheet().pixel(maskColumn + x, y) & RGB_MASK) == 0;
                if (masked && owners_.rect().contains(corner + QPoint(x, y))) {
                    owners_.setPixel(corner + QPoint(x, y), colourOf(cell));
                }
            }
        }
    }

    // Nothing where no tile was painted.
    std::optional<Cell> shownAt(QPoint pixel) const {
        const QRgb colour = owners_.pixel(pixel);
        if (colour == nobody) {
            return std::nullopt;
        }
        const int index = static_cast<int>(colour & RGB_MASK);
        return Cell{index % columns_, index / columns_};
    }

    QSize size() const { return owners_.size(); }

  private:
    static constexpr QRgb nobody = 0xffffffff;
    QRgb colourOf(Cell cell) const { return 0xff000000u | QRgb(cell.y * columns_ + cell.x); }

    int columns_;
    QImage owners_;
};

std::vector<Cell> rowByRow(int columns, int rows) {
    std::vector<Cell> cells;
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            cells.push_back({x, y});
        }
    }
    return cells;
}

// Every pixel of small fields drawn as a new game draws them, then with cells drawn again as
// presses draw them: a press lands on the cell whose tile shows, and beside every tile the rows'
// rectangles decide as they always have. Points just outside the picture are beside it too.
TEST(DrawnTiles, APressActsOnTheCellWhoseTileShowsUnderIt) {
    struct Row {
        const char* name;
        int columns, rows;
        std::vector<Cell> redrawn; // after the whole field, in this order
    };
    const Row table[] = {
        {"a single cell", 1, 1, {}},
        {"a new 3 x 3 field", 3, 3, {}},
        {"a 4 x 4 field with its middle opened", 4, 4, {{1, 1}, {2, 1}, {1, 2}, {2, 2}}},
        {"a flag set over the cells below and beside it", 4, 3, {{1, 0}}},
        {"a flag set, then its neighbours opened", 4, 3, {{1, 1}, {0, 1}, {1, 0}, {1, 2}}},
        {"two rows drawn again bottom up, right to left", 5, 2, {{4, 1}, {3, 1}, {2, 0}, {0, 0}}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        PaintedField painted(row.columns, row.rows);
        DrawnTiles tiles(TileShape(tileSheet(), QPoint(maskColumn, 0)));
        tiles.clear(row.columns, row.rows);
        std::vector<Cell> order = rowByRow(row.columns, row.rows);
        order.insert(order.end(), row.redrawn.begin(), row.redrawn.end());
        for (const Cell cell : order) {
            painted.paint(cell);
            tiles.drawn(cell);
        }
        int wrong = 0;
        for (int y = -2; y < painted.size().height() + 2; ++y) {
            for (int x = -2; x < painted.size().width() + 2; ++x) {
                // Presses arrive inside a pixel, as a scaled screen gives them.
                const QPointF point(x + 0.5, y + 0.5);
                const bool inPicture = QRect(QPoint(), painted.size()).contains(x, y);
                std::optional<Cell> expected =
                    inPicture ? painted.shownAt({x, y}) : std::optional<Cell>();
                if (!expected) {
                    expected = cellAt(static_cast<float>(point.x()), static_cast<float>(point.y()),
                                      row.columns, row.rows);
                }
                const std::optional<Cell> got = tiles.cellAt(point);
                if (got != expected && ++wrong <= 5) {
                    ADD_FAILURE() << "pixel " << x << "," << y << ": "
                                  << ::testing::PrintToString(got) << ", not "
                                  << ::testing::PrintToString(expected);
                }
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

// A tile counts from its drawing until the field is cleared; then the rows' rectangles decide.
TEST(DrawnTiles, AClearedFieldShowsNoTile) {
    DrawnTiles tiles(TileShape(tileSheet(), QPoint(maskColumn, 0)));
    const QPointF topPointOf11(28.5, 18.5);
    tiles.clear(3, 3);
    tiles.drawn({1, 1});
    EXPECT_EQ(tiles.cellAt(topPointOf11), (Cell{1, 1}));
    tiles.clear(3, 3);
    EXPECT_EQ(tiles.cellAt(topPointOf11), (Cell{1, 0}));
}

} // namespace
} // namespace torvane::view
