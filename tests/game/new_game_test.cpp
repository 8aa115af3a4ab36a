#include "game/game.h"
#include "recording_port.h"

#include <gtest/gtest.h>

namespace torvane::game {
namespace {

using testing::LayField;
using testing::RecordingPort;

TEST(NewGame, CountsFollowTheHexNeighbourhood) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 4, 3, {{1, 1}, {2, 0}});
    const int expected[3][4] = {{1, 2, 7, 1}, {1, 7, 2, 1}, {1, 1, 0, 0}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(game.mineMap[x][y], expected[y][x]) << x << "," << y;
        }
    }
}

TEST(NewGame, CoversRowByRowThenRefreshesOnceThenResetsTheStatus) {
    RecordingPort port;
    Game game(port);
    game.fieldWidth = 3;
    game.fieldHeight = 2;
    game.mineTotal = 1;
    game.showMinesLeft = true;
    port.clockRunning = true;
    port.clockCaption = "12";
    port.QueueCells({{2, 1}}, 3, 2);
    game.NewGame();

    const std::vector<testing::Paint> covered{{0, 0, 9}, {1, 0, 9}, {2, 0, 9},
                                              {0, 1, 9}, {1, 1, 9}, {2, 1, 9}};
    EXPECT_EQ(port.paints, covered);
    EXPECT_EQ(port.refreshes, 1);
    EXPECT_FALSE(port.clockRunning);
    EXPECT_EQ(port.clockCaption, "0");
    EXPECT_EQ(port.events, (std::vector<std::string>{"counterColour", "counterCaption",
                                                     "faceColour", "faceCaption"}));
    EXPECT_EQ(port.counterCaption, "1");
    EXPECT_EQ(port.counterColour, colour::red);
    EXPECT_EQ(port.faceColour, colour::lightGrey);
    EXPECT_EQ(port.faceCaption, "K");
    EXPECT_TRUE(game.gameOn);
    EXPECT_EQ(game.minesLeft, 1);
    EXPECT_EQ(game.cellsToOpen, 5);
}

TEST(NewGame, ADrawOnAMineRedrawsBothCoordinatesColumnFirst) {
    RecordingPort port;
    Game game(port);
    // Second mine lands on the first, then its column-and-row redraw finds (0, 2);
    // the third mine's draws follow on.
    game.fieldWidth = 4;
    game.fieldHeight = 3;
    game.mineTotal = 3;
    port.QueueCells({{3, 1}, {3, 1}, {0, 2}, {1, 0}}, 4, 3);
    game.NewGame();
    EXPECT_EQ(game.mineMap[3][1], 7);
    EXPECT_EQ(game.mineMap[0][2], 7);
    EXPECT_EQ(game.mineMap[1][0], 7);
    EXPECT_EQ(port.randomsUsed, 8);
    int mines = 0;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            mines += game.mineMap[x][y] == 7;
        }
    }
    EXPECT_EQ(mines, 3);
}

TEST(NewGame, DrawsUseSinglePrecisionFloor) {
    RecordingPort port;
    Game game(port);
    game.fieldWidth = 30;
    game.fieldHeight = 30;
    game.mineTotal = 2;
    // The largest float below 1 still lands on the last column and row.
    port.randoms = {0.99999994f, 0.99999994f, 0.0f, 0.0f};
    game.NewGame();
    EXPECT_EQ(game.mineMap[29][29], 7);
    EXPECT_EQ(game.mineMap[0][0], 7);
}

TEST(NewGame, WithoutMinesEveryCellIsEmptyAndOnePressWins) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 7, 5, {}, 0);
    EXPECT_EQ(game.cellsToOpen, 35);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(game.mineMap[x][y], 0);
        }
    }
    const auto [px, py] = testing::CentreOf(3, 2);
    game.Press(1, px, py);
    EXPECT_EQ(game.cellsToOpen, 0);
    EXPECT_FALSE(game.gameOn);
    EXPECT_EQ(port.faceCaption, "J");
    ASSERT_EQ(port.records.size(), 1u);
    EXPECT_EQ(port.records[0], (std::pair<std::int16_t, std::string>{0, "0"}));
}

TEST(NewGame, DuringAGameStopsTheClockAndCoversEverything) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 4, 3, {{3, 2}});
    const auto [fx, fy] = testing::CentreOf(3, 2);
    game.Press(2, fx, fy);
    EXPECT_TRUE(port.clockRunning);
    port.clockCaption = "7";
    game.NewGame();
    EXPECT_FALSE(port.clockRunning);
    EXPECT_EQ(port.clockCaption, "0");
    EXPECT_EQ(game.cellView[3][2], tile::covered);
    EXPECT_EQ(game.minesLeft, 1);
}

} // namespace
} // namespace torvane::game
