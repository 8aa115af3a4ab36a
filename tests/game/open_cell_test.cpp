#include "game/testing/scripted_game.h"

#include <gtest/gtest.h>

namespace torvane::game {
namespace {

using Rows = std::vector<std::string>;
using testing::ScriptedGame;
using testing::shownRows;

// Depth first through the neighbours in their order; numbers stop the flood.
TEST(OpenCell, FloodOrder) {
    struct Case {
        const char* name;
        int columns;
        int rows;
        std::vector<Cell> mines;
        std::vector<Cell> order;
    };
    const Case cases[] = {
        {"a field without mines", 3, 2, {}, {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}}},
        {"a mine in the far corner, flagged by the win as the last cell",
         4,
         3,
         {{3, 2}},
         {{0, 0},
          {1, 0},
          {2, 0},
          {3, 0},
          {3, 1},
          {2, 1},
          {1, 1},
          {0, 1},
          {0, 2},
          {1, 2},
          {2, 2},
          {3, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedGame scripted;
        scripted.lay(c.columns, c.rows, c.mines);
        const Change& change = scripted.open({0, 0});
        EXPECT_EQ(change.cells, c.order) << c.columns << "x" << c.rows;
        EXPECT_TRUE(change.ended);
        EXPECT_EQ(scripted.game.cellsToOpen(), 0);
    }
}

TEST(OpenCell, ANumberOpensAloneAndAFlagStopsTheFlood) {
    ScriptedGame scripted;
    scripted.lay(6, 3, {{5, 2}});
    EXPECT_EQ(scripted.open({4, 2}).cells, (std::vector<Cell>{{4, 2}}));
    scripted.flag({2, 0});
    scripted.flag({2, 1});
    scripted.flag({1, 2});
    scripted.open({0, 0});
    EXPECT_EQ(shownRows(scripted.game), (Rows{"00F###", "00F###", "0F##1#"}));
    EXPECT_EQ(scripted.game.cellsToOpen(), 17 - 6);
    EXPECT_EQ(scripted.game.phase(), Phase::Playing);
}

TEST(OpenCell, OpenCellsFlagsAndCellsOutsideTheFieldStayAsTheyAre) {
    ScriptedGame scripted;
    scripted.lay(4, 3, {{3, 2}});
    scripted.open({2, 2});
    scripted.flag({0, 0});
    const Rows before = shownRows(scripted.game);
    for (const Cell cell :
         {Cell{2, 2}, Cell{0, 0}, Cell{-1, 0}, Cell{4, 0}, Cell{0, -1}, Cell{0, 3}}) {
        EXPECT_TRUE(scripted.open(cell).cells.empty()) << cell;
    }
    EXPECT_EQ(shownRows(scripted.game), before);
    EXPECT_EQ(scripted.game.cellsToOpen(), 10);
}

// The flood keeps its own stack: a whole 30 x 30 field opens and wins with one press.
TEST(OpenCell, AFieldWithoutMinesOpensWholeWithOnePress) {
    ScriptedGame scripted;
    scripted.lay(30, 30, {});
    const Change& change = scripted.open({29, 29});
    EXPECT_EQ(change.cells.size(), 900u);
    EXPECT_EQ(scripted.game.cellsToOpen(), 0);
    EXPECT_EQ(scripted.game.face(), Face::Won);
}

} // namespace
} // namespace torvane::game
