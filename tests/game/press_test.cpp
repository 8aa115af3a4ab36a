#include "game/game.h"
#include "recording_port.h"

#include <gtest/gtest.h>

namespace torvane::game {
namespace {

using testing::Counter;
using testing::LayField;
using testing::RecordingPort;

class PressTest : public ::testing::Test {
  protected:
    void SetUp() override { LayField(game, port, 4, 3, {{3, 2}}); }
    void PressCell(std::int16_t button, int x, int y) { testing::PressCell(game, button, x, y); }
    RecordingPort port;
    Game game{port};
};

TEST_F(PressTest, AnyFirstPressStartsTheClockOnceEvenBesideTheCells) {
    struct Case {
        std::int16_t button;
        float x, y;
    };
    for (const Case c : {Case{1, 4, 3}, Case{2, 4, 3}, Case{4, 4, 3}, Case{1, 30, 1}}) {
        LayField(game, port, 4, 3, {{3, 2}});
        game.Press(c.button, c.x, c.y);
        EXPECT_TRUE(port.clockRunning);
        EXPECT_TRUE(game.clock().running);
        game.Press(c.button, c.x, c.y);
        EXPECT_EQ(port.clockStarts, 1);
        // Beside the cells: neither refresh nor counter.
        EXPECT_EQ(port.refreshes, 0);
        EXPECT_EQ(port.events, (std::vector<std::string>{"clockStart"}));
    }
}

TEST_F(PressTest, ACappedClockIsNotRestarted) {
    PressCell(2, 1, 1);
    game.ClockTick(999.0);
    ASSERT_TRUE(game.clock().capped());
    port.ClearLog();
    PressCell(2, 0, 0);
    EXPECT_FALSE(port.clockRunning);
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(port.clockStarts, 0);
    EXPECT_EQ(game.cellView()[0][0], tile::flag); // the game itself goes on
}

TEST_F(PressTest, RightButtonTogglesFlagAndMinesLeft) {
    PressCell(2, 1, 1);
    EXPECT_EQ(game.cellView()[1][1], tile::flag);
    EXPECT_EQ(game.minesLeft(), 0);
    EXPECT_EQ(port.counter, (Counter{0, true}));
    PressCell(2, 0, 0);
    EXPECT_EQ(port.counter, (Counter{-1, true}));
    PressCell(2, 1, 1);
    EXPECT_EQ(game.cellView()[1][1], tile::covered);
    EXPECT_EQ(game.minesLeft(), 0);
    EXPECT_EQ(port.refreshes, 3);
}

TEST_F(PressTest, PressesThatChangeNothingStillRefreshAndRewriteTheCounter) {
    PressCell(1, 2, 2); // opens a 1
    port.ClearLog();
    PressCell(2, 2, 2); // right on an opened cell
    PressCell(4, 0, 0); // middle on a covered cell
    PressCell(1, 2, 2); // left on an opened cell
    EXPECT_TRUE(port.paints.empty());
    EXPECT_EQ(port.refreshes, 3);
    EXPECT_EQ(port.events, (std::vector<std::string>(3, "counter")));
    EXPECT_TRUE(game.gameOn());
}

TEST_F(PressTest, LeftOnAFlagKeepsTheFlag) {
    PressCell(2, 0, 0);
    PressCell(1, 0, 0);
    EXPECT_EQ(game.cellView()[0][0], tile::flag);
    EXPECT_EQ(game.cellsToOpen(), 11);
}

TEST_F(PressTest, AfterTheEndEveryPressIsIgnored) {
    PressCell(1, 3, 2);
    ASSERT_FALSE(game.gameOn());
    port.ClearLog();
    for (std::int16_t button : {1, 2, 4}) {
        PressCell(button, 0, 0);
        game.Press(button, 1, 1);
    }
    EXPECT_TRUE(port.paints.empty());
    EXPECT_EQ(port.refreshes, 0);
    EXPECT_TRUE(port.events.empty());
    EXPECT_EQ(port.clockStarts, 0);
}

TEST_F(PressTest, CounterModes) {
    game.ToggleCounterMode();
    EXPECT_FALSE(game.showMinesLeft());
    EXPECT_EQ(port.counter, (Counter{11, false}));
    PressCell(1, 2, 2);
    EXPECT_EQ(port.counter, (Counter{10, false}));
    game.ToggleCounterMode();
    EXPECT_TRUE(game.showMinesLeft());
    EXPECT_EQ(port.counter, (Counter{1, true}));
    EXPECT_EQ(port.events.back(), "counter");
}

} // namespace
} // namespace torvane::game
