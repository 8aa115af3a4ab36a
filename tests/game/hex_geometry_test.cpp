#include "game/hex_geometry.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace torvane::game {
namespace {

std::vector<Cell> NeighboursInField(Cell c, int w, int h) {
    std::vector<Cell> inside;
    for (const Cell n : Neighbours(c)) {
        if (n.x >= 0 && n.x < w && n.y >= 0 && n.y < h) {
            inside.push_back(n);
        }
    }
    return inside;
}

TEST(HexGeometry, NeighbourOrderDependsOnRowParity) {
    const std::array<Cell, 6> even{{{4, 2}, {6, 2}, {5, 1}, {5, 3}, {6, 1}, {6, 3}}};
    const std::array<Cell, 6> odd{{{4, 3}, {6, 3}, {5, 2}, {5, 4}, {4, 2}, {4, 4}}};
    EXPECT_EQ(Neighbours({5, 2}), even);
    EXPECT_EQ(Neighbours({5, 3}), odd);
}

TEST(HexGeometry, BorderCellsHaveFewerNeighbours) {
    struct Case {
        Cell cell;
        std::vector<Cell> expected;
    };
    const int w = 5;
    const int h = 4;
    const std::vector<Case> cases{
        {{0, 0}, {{1, 0}, {0, 1}, {1, 1}}},
        {{4, 0}, {{3, 0}, {4, 1}}},
        {{0, 1}, {{1, 1}, {0, 0}, {0, 2}}},
        {{4, 1}, {{3, 1}, {4, 0}, {4, 2}, {3, 0}, {3, 2}}},
        {{2, 3}, {{1, 3}, {3, 3}, {2, 2}, {1, 2}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NeighboursInField(c.cell, w, h), c.expected) << c.cell.x << "," << c.cell.y;
    }
}

TEST(HexGeometry, NeighbourhoodIsSymmetric) {
    for (std::int16_t y = 0; y < 6; ++y) {
        for (std::int16_t x = 0; x < 6; ++x) {
            for (const Cell n : NeighboursInField({x, y}, 6, 6)) {
                const auto back = NeighboursInField(n, 6, 6);
                EXPECT_NE(std::find(back.begin(), back.end(), Cell{x, y}), back.end());
            }
        }
    }
}

TEST(HexGeometry, TilePositions) {
    EXPECT_EQ(TilePosition({0, 0}), (PixelPoint{9, 0}));
    EXPECT_EQ(TilePosition({0, 1}), (PixelPoint{0, 17}));
    EXPECT_EQ(TilePosition({1, 1}), (PixelPoint{18, 17}));
    EXPECT_EQ(TilePosition({29, 28}), (PixelPoint{531, 476}));
    EXPECT_EQ(FieldPixelSize(16, 16), (PixelPoint{298, 280}));
}

TEST(HexGeometry, CellUnderPoint) {
    struct Case {
        float x, y;
        std::optional<Cell> expected;
    };
    const std::vector<Case> cases{
        {9, 3, Cell{0, 0}},         {8, 3, std::nullopt},         {20, 2.9f, std::nullopt},
        {0, 20, Cell{0, 1}},        {17, 20, Cell{0, 1}},         {18, 20, Cell{1, 1}},
        {26.9f, 19.9f, Cell{0, 0}}, {27, 19.9f, Cell{1, 0}},      {26, 20, Cell{1, 1}},
        {-1, 20, std::nullopt},     {143.9f, 20, Cell{7, 1}},     {144, 20, std::nullopt},
        {152.9f, 3, Cell{7, 0}},    {153, 3, std::nullopt},       {50, 138.9f, Cell{2, 7}},
        {50, 139, std::nullopt},    {1e30f, 1e30f, std::nullopt}, {-1e30f, 5, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CellAt(c.x, c.y, 8, 8), c.expected) << c.x << "," << c.y;
    }
}

TEST(HexGeometry, NonFinitePointsHitNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(CellAt(nan, 20, 8, 8), std::nullopt);
    EXPECT_EQ(CellAt(20, nan, 8, 8), std::nullopt);
    EXPECT_EQ(CellAt(inf, 20, 8, 8), std::nullopt);
}

} // namespace
} // namespace torvane::game
