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
        float x, y;
        std::optional<Cell> expected;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    const Case cases[] = {
        {9, 3, Cell{0, 0}},         {8, 3, std::nullopt},         {20, 2.9f, std::nullopt},
        {0, 20, Cell{0, 1}},        {17, 20, Cell{0, 1}},         {18, 20, Cell{1, 1}},
        {26.9f, 19.9f, Cell{0, 0}}, {27, 19.9f, Cell{1, 0}},      {26, 20, Cell{1, 1}},
        {-1, 20, std::nullopt},     {143.9f, 20, Cell{7, 1}},     {144, 20, std::nullopt},
        {152.9f, 3, Cell{7, 0}},    {153, 3, std::nullopt},       {50, 138.9f, Cell{2, 7}},
        {50, 139, std::nullopt},    {1e30f, 1e30f, std::nullopt}, {-1e30f, 5, std::nullopt},
        {nan, 20, std::nullopt},    {20, nan, std::nullopt},      {infinity, 20, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cellAt(c.x, c.y, 8, 8), c.expected) << c.x << "," << c.y;
    }
}

} // namespace
} // namespace torvane::view
