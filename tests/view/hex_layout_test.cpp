#include "game/testing/cell_printer.h"
#include "view/hex_layout.h"

#include <gtest/gtest.h>
#include <limits>

namespace torvane::view {
namespace {

using game::Cell;

TEST(HexLayout, TilePositionsAndPictureSize) {
    EXPECT_EQ(tilePosition({0, 0}), QPoint(9, 0));
    EXPECT_EQ(tilePosition({0, 1}), QPoint(0, 17));
    EXPECT_EQ(tilePosition({1, 1}), QPoint(18, 17));
    EXPECT_EQ(tilePosition({29, 28}), QPoint(531, 476));
    EXPECT_EQ(fieldPixelSize(16, 16), QSize(298, 280));
    EXPECT_EQ(fieldPixelSize(30, 16), QSize(550, 280));
}

// The cell under a point of an 8 x 8 field, at the edges of the hit areas.
TEST(HexLayout, CellUnderAPoint) {
    struct Case {
        const char* name;
        float x, y;
        std::optional<Cell> expected;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    const Case cases[] = {
        {"top left corner of the first row", 9, 3, Cell{0, 0}},
        {"left of the first row", 8, 3, std::nullopt},
        {"just above the first row", 20, 2.9f, std::nullopt},
        {"left end of an odd row", 0, 20, Cell{0, 1}},
        {"last pixel of an odd row's first cell", 17, 20, Cell{0, 1}},
        {"first pixel of an odd row's second cell", 18, 20, Cell{1, 1}},
        {"just inside the right and bottom of an even row's first cell", 26.9f, 19.9f, Cell{0, 0}},
        {"left edge of an even row's second cell", 27, 19.9f, Cell{1, 0}},
        {"top of the odd row, under the right part of the first cell", 26, 20, Cell{1, 1}},
        {"left of an odd row", -1, 20, std::nullopt},
        {"just inside the right end of an odd row", 143.9f, 20, Cell{7, 1}},
        {"right of an odd row", 144, 20, std::nullopt},
        {"just inside the right end of an even row", 152.9f, 3, Cell{7, 0}},
        {"right of an even row", 153, 3, std::nullopt},
        {"just inside the bottom of the last row", 50, 138.9f, Cell{2, 7}},
        {"below the last row", 50, 139, std::nullopt},
        {"far beyond the field", 1e30f, 1e30f, std::nullopt},
        {"far left of the field", -1e30f, 5, std::nullopt},
        {"x not a number", nan, 20, std::nullopt},
        {"y not a number", 20, nan, std::nullopt},
        {"x infinite", infinity, 20, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(cellAt(c.x, c.y, 8, 8), c.expected) << c.x << "," << c.y;
    }
}

} // namespace
} // namespace torvane::view
