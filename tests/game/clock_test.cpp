#include "game/game.h"
#include "recording_port.h"

#include <gtest/gtest.h>

namespace torvane::game {
namespace {

using testing::LayField;
using testing::PressCell;
using testing::Record;
using testing::RecordingPort;

class ClockTest : public ::testing::Test {
  protected:
    // A running clock: the first press starts it, even beside the cells.
    void SetUp() override {
        LayField(game, port, 3, 1, {{0, 0}}, Beginner);
        game.Press(1, 200, 200);
        port.ClearLog();
    }
    RecordingPort port;
    Game game{port};
};

TEST_F(ClockTest, ShowsWholeSecondsAndStopsForGoodAt999) {
    struct Case {
        double elapsed;
        int shown;
        bool running;
    };
    for (const Case c :
         {Case{0.4, 0, true}, Case{1.0, 1, true}, Case{12.9, 12, true}, Case{13.0, 13, true},
          Case{7.5, 7, true}, Case{998.99, 998, true}, Case{-0.5, 0, true}, Case{999.0, 999, false},
          Case{5000.0, 999, false}, Case{1e12, 999, false}}) {
        SetUp();
        game.ClockTick(c.elapsed);
        EXPECT_EQ(port.clockShown, c.shown) << c.elapsed;
        EXPECT_EQ(game.clock().seconds, c.shown) << c.elapsed;
        EXPECT_EQ(game.clock().running, c.running) << c.elapsed;
        EXPECT_EQ(port.clockRunning, c.running) << c.elapsed;
        EXPECT_EQ(game.clock().capped(), !c.running) << c.elapsed;
    }
}

TEST_F(ClockTest, TicksAfterTheClockStoppedChangeNothing) {
    game.ClockTick(5.5);
    PressCell(game, 1, 0, 0); // the mine: the clock stops with the loss
    ASSERT_FALSE(game.clock().running);
    port.ClearLog();
    game.ClockTick(9.0);
    EXPECT_EQ(game.clock().seconds, 5);
    EXPECT_TRUE(port.events.empty());
}

TEST_F(ClockTest, AWinAfterTheCapRecords999AndTheNextGameStartsAgain) {
    game.ClockTick(1000.0);
    PressCell(game, 1, 1, 0);
    PressCell(game, 1, 2, 0);
    ASSERT_EQ(game.face(), Face::Won);
    EXPECT_EQ(port.records, (std::vector<Record>{{Beginner, clockCap}}));

    port.QueueCells({{0, 0}}, 3, 1);
    game.NewGame();
    EXPECT_FALSE(game.clock().capped());
    port.ClearLog();
    PressCell(game, 1, 1, 0);
    EXPECT_EQ(port.clockStarts, 1);
    EXPECT_TRUE(game.clock().running);
}

} // namespace
} // namespace torvane::game
