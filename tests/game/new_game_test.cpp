#include "game/game.h"
#include "recording_port.h"

#include <gtest/gtest.h>

namespace torvane::game {
namespace {

using testing::Counter;
using testing::LayField;
using testing::PressCell;
using testing::Record;
using testing::RecordingPort;

TEST(NewGame, CountsFollowTheHexNeighbourhood) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 4, 3, {{1, 1}, {2, 0}});
    const int expected[3][4] = {{1, 2, 7, 1}, {1, 7, 2, 1}, {1, 1, 0, 0}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(game.mineMap()[x][y], expected[y][x]) << x << "," << y;
        }
    }
}

TEST(NewGame, CoversRowByRowThenRefreshesOnceThenResetsTheStatus) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 3, 2, {{0, 0}});
    PressCell(game, 2, 1, 1); // a running clock at 12 seconds
    game.ClockTick(12.5);
    ASSERT_EQ(port.clockShown, 12);
    port.ClearLog();
    port.QueueCells({{2, 1}}, 3, 2);
    game.NewGame();

    const std::vector<testing::Paint> covered{{0, 0, 9}, {1, 0, 9}, {2, 0, 9},
                                              {0, 1, 9}, {1, 1, 9}, {2, 1, 9}};
    EXPECT_EQ(port.paints, covered);
    EXPECT_EQ(port.refreshes, 1);
    EXPECT_FALSE(port.clockRunning);
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(game.clock().seconds, 0);
    EXPECT_EQ(port.clockShown, 0);
    EXPECT_EQ(port.events, (std::vector<std::string>{"clockStop", "counter", "face", "clockShow"}));
    EXPECT_EQ(port.counter, (Counter{1, true}));
    EXPECT_EQ(port.face, Face::Playing);
    EXPECT_EQ(game.face(), Face::Playing);
    EXPECT_EQ(game.mineMap()[2][1], mineValue);
    EXPECT_TRUE(game.gameOn());
    EXPECT_EQ(game.minesLeft(), 1);
    EXPECT_EQ(game.cellsToOpen(), 5);
}

TEST(NewGame, ADrawOnAMineRedrawsBothCoordinatesColumnFirst) {
    RecordingPort port;
    Game game(port);
    // Second mine lands on the first, then its column-and-row redraw finds (0, 2);
    // the third mine's draws follow on.
    port.QueueCells({{3, 1}, {3, 1}, {0, 2}, {1, 0}}, 4, 3);
    ASSERT_TRUE(game.StartLevel(Custom, {4, 3, 3}));
    EXPECT_EQ(game.mineMap()[3][1], 7);
    EXPECT_EQ(game.mineMap()[0][2], 7);
    EXPECT_EQ(game.mineMap()[1][0], 7);
    EXPECT_EQ(port.randomsUsed, 8);
    int mines = 0;
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            mines += game.mineMap()[x][y] == 7;
        }
    }
    EXPECT_EQ(mines, 3);
}

TEST(NewGame, DrawsUseSinglePrecisionFloor) {
    RecordingPort port;
    Game game(port);
    // The largest float below 1 still lands on the last column and row.
    port.randoms = {0.99999994f, 0.99999994f, 0.0f, 0.0f};
    ASSERT_TRUE(game.StartLevel(Custom, {30, 30, 2}));
    EXPECT_EQ(game.mineMap()[29][29], 7);
    EXPECT_EQ(game.mineMap()[0][0], 7);
}

TEST(NewGame, WithoutMinesEveryCellIsEmptyAndOnePressWins) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 7, 5, {}, Beginner);
    EXPECT_EQ(game.cellsToOpen(), 35);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(game.mineMap()[x][y], 0);
        }
    }
    PressCell(game, 1, 3, 2);
    EXPECT_EQ(game.cellsToOpen(), 0);
    EXPECT_FALSE(game.gameOn());
    EXPECT_EQ(game.face(), Face::Won);
    EXPECT_EQ(port.face, Face::Won);
    EXPECT_EQ(port.records, (std::vector<Record>{{Beginner, 0}}));
}

TEST(NewGame, DuringAGameStopsTheClockAndCoversEverything) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 4, 3, {{3, 2}});
    PressCell(game, 2, 3, 2);
    EXPECT_TRUE(port.clockRunning);
    game.ClockTick(7.2);
    EXPECT_EQ(port.clockShown, 7);
    port.QueueCells({{3, 2}}, 4, 3);
    game.NewGame();
    EXPECT_FALSE(port.clockRunning);
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(port.clockShown, 0);
    EXPECT_EQ(game.clock().seconds, 0);
    EXPECT_EQ(game.cellView()[3][2], tile::covered);
    EXPECT_EQ(game.minesLeft(), 1);
}

TEST(StartLevel, TakesAPlayableFieldAndRefusesOthersUnchanged) {
    struct Case {
        FieldSize size;
        bool playable;
    };
    // The port draws 0 once its queue is empty: one mine at most in a playable case.
    for (const Case c : {Case{{1, 1, 0}, true}, Case{{30, 30, 1}, true}, Case{{2, 1, 1}, true},
                         Case{{2, 1, 2}, false}, Case{{0, 5, 1}, false}, Case{{31, 5, 1}, false},
                         Case{{5, 31, 1}, false}, Case{{5, 5, -1}, false}}) {
        RecordingPort port;
        Game game(port);
        LayField(game, port, 4, 3, {{3, 2}}, Beginner);
        PressCell(game, 2, 0, 0);
        port.ClearLog();
        EXPECT_EQ(game.StartLevel(Custom, c.size), c.playable);
        if (c.playable) {
            EXPECT_EQ(game.level(), Custom);
            EXPECT_EQ(game.fieldSize(), c.size);
            EXPECT_EQ(port.refreshes, 1); // a new game on the new field
            EXPECT_EQ(game.minesLeft(), c.size.mines);
            EXPECT_EQ(game.cellsToOpen(), c.size.columns * c.size.rows - c.size.mines);
        } else {
            EXPECT_EQ(game.level(), Beginner);
            EXPECT_EQ(game.fieldSize(), (FieldSize{4, 3, 1}));
            EXPECT_TRUE(port.paints.empty());
            EXPECT_TRUE(port.events.empty());
            EXPECT_EQ(game.cellView()[0][0], tile::flag); // the game goes on
            EXPECT_TRUE(game.gameOn());
        }
    }
}

} // namespace
} // namespace torvane::game
