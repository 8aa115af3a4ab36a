#include "game/testing/scripted_game.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace torvane::game {
namespace {

std::vector<Cell> neighboursInField(Cell cell, int columns, int rows) {
    std::vector<Cell> inside;
    for (const Cell neighbour : neighbours(cell)) {
        if (neighbour.x >= 0 && neighbour.x < columns && neighbour.y >= 0 && neighbour.y < rows) {
            inside.push_back(neighbour);
        }
    }
    return inside;
}

// The order shows in the flood: with the first k neighbours flagged on a field without mines,
// the press opens its cell and then neighbour k.
TEST(Neighbours, TheFloodVisitsThemInTheirOrderInEvenAndOddRows) {
    struct Case {
        const char* name;
        Cell cell;
        std::vector<Cell> inOrder;
    };
    const Case cases[] = {
        {"a cell in an even row", {2, 2}, {{1, 2}, {3, 2}, {2, 1}, {2, 3}, {3, 1}, {3, 3}}},
        {"a cell in an odd row", {2, 1}, {{1, 1}, {3, 1}, {2, 0}, {2, 2}, {1, 0}, {1, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (std::size_t k = 0; k < c.inOrder.size(); ++k) {
            testing::ScriptedGame scripted;
            scripted.lay(5, 5, {});
            for (std::size_t flagged = 0; flagged < k; ++flagged) {
                scripted.flag(c.inOrder[flagged]);
            }
            const Change& change = scripted.open(c.cell);
            ASSERT_GE(change.cells.size(), 2u);
            EXPECT_EQ(change.cells[0], c.cell);
            EXPECT_EQ(change.cells[1], c.inOrder[k])
                << "from " << c.cell << " with " << k << " neighbours flagged";
        }
    }
}

TEST(Neighbours, BorderCellsHaveFewer) {
    struct Case {
        const char* name;
        Cell cell;
        std::vector<Cell> expected;
    };
    const Case cases[] = {
        {"the top left corner", {0, 0}, {{1, 0}, {0, 1}, {1, 1}}},
        {"the top right corner", {4, 0}, {{3, 0}, {4, 1}}},
        {"the left edge in an odd row", {0, 1}, {{1, 1}, {0, 0}, {0, 2}}},
        {"the right edge in an odd row", {4, 1}, {{3, 1}, {4, 0}, {4, 2}, {3, 0}, {3, 2}}},
        {"the bottom edge", {2, 3}, {{1, 3}, {3, 3}, {2, 2}, {1, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(neighboursInField(c.cell, 5, 4), c.expected) << c.cell;
    }
}

TEST(Neighbours, AreMutual) {
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            for (const Cell neighbour : neighboursInField({x, y}, 6, 6)) {
                const std::vector<Cell> back = neighboursInField(neighbour, 6, 6);
                EXPECT_NE(std::find(back.begin(), back.end(), Cell{x, y}), back.end())
                    << Cell{x, y} << " and " << neighbour;
            }
        }
    }
}

} // namespace
} // namespace torvane::game
