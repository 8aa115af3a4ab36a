#include "game/game.h"
#include "recording_port.h"

#include <gtest/gtest.h>

namespace torvane::game {
namespace {

using testing::LayField;
using testing::Paint;
using testing::PressCell;
using testing::RecordingPort;

std::vector<Cell> OpenedOrder(const RecordingPort& port) {
    std::vector<Cell> order;
    for (const Paint& p : port.paints) {
        order.push_back({static_cast<std::int16_t>(p.x), static_cast<std::int16_t>(p.y)});
    }
    return order;
}

TEST(OpenCell, FloodOrderWithoutMines) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 3, 2, {});
    game.OpenCell(0, 0);
    EXPECT_EQ(OpenedOrder(port),
              (std::vector<Cell>{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}}));
    EXPECT_EQ(game.cellsToOpen(), 0);
}

TEST(OpenCell, FloodOrderStopsAtNumbersAndLeavesTheMineCovered) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 4, 3, {{3, 2}});
    PressCell(game, 1, 0, 0);
    const std::vector<Paint> expected{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0},
                                      {3, 1, 1}, {2, 1, 0}, {1, 1, 0}, {0, 1, 0},
                                      {0, 2, 0}, {1, 2, 0}, {2, 2, 1}, {3, 2, 10}};
    EXPECT_EQ(port.paints, expected); // the last paint is the win flagging the mine
    EXPECT_EQ(game.cellsToOpen(), 0);
    EXPECT_FALSE(game.gameOn());
    EXPECT_EQ(game.face(), Face::Won);
}

TEST(OpenCell, NumberedCellOpensAlone) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 4, 3, {{3, 2}});
    game.OpenCell(2, 2);
    EXPECT_EQ(port.paints, (std::vector<Paint>{{2, 2, 1}}));
    EXPECT_EQ(game.cellsToOpen(), 10);
}

TEST(OpenCell, FlagBlocksTheFloodAndStaysCounted) {
    RecordingPort port;
    Game game(port);
    // Row of 5 on one line: the flag at (2, 0) cuts the field in two.
    LayField(game, port, 5, 1, {});
    PressCell(game, 2, 2, 0);
    game.OpenCell(0, 0);
    EXPECT_EQ(game.cellView()[0][0], tile::open);
    EXPECT_EQ(game.cellView()[1][0], tile::open);
    EXPECT_EQ(game.cellView()[2][0], tile::flag);
    EXPECT_EQ(game.cellView()[3][0], tile::covered);
    EXPECT_EQ(game.cellsToOpen(), 3);
}

TEST(OpenCell, OpenedCellsFlagsAndOutsideCellsAreLeftAlone) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 4, 3, {{3, 2}});
    game.OpenCell(2, 2);
    PressCell(game, 2, 0, 0);
    port.paints.clear();
    const int before = game.cellsToOpen();
    for (const Cell c : std::vector<Cell>{{2, 2}, {0, 0}, {-1, 0}, {4, 0}, {0, -1}, {0, 3}}) {
        game.OpenCell(c.x, c.y);
    }
    EXPECT_TRUE(port.paints.empty());
    EXPECT_EQ(game.cellsToOpen(), before);
}

TEST(OpenCell, AMineLosesAndExplodesAfterTheReveal) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 4, 3, {{3, 2}, {0, 0}});
    game.OpenCell(3, 2);
    EXPECT_EQ(port.paints, (std::vector<Paint>{{0, 0, 7}, {3, 2, 7}, {3, 2, 8}}));
    EXPECT_FALSE(game.gameOn());
    EXPECT_EQ(game.face(), Face::Lost);
}

} // namespace
} // namespace torvane::game
