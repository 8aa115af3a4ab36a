#include "game/game.h"
#include "recording_port.h"

#include <gtest/gtest.h>

namespace torvane::game {
namespace {

using testing::CentreOf;
using testing::LayField;
using testing::Paint;
using testing::RecordingPort;

class PressTest : public ::testing::Test {
  protected:
    void SetUp() override { LayField(game, port, 4, 3, {{3, 2}}); }
    void PressCell(std::int16_t button, int x, int y) {
        const auto [px, py] = CentreOf(x, y);
        game.Press(button, px, py);
    }
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
        port.clockStarts = 0;
        game.Press(c.button, c.x, c.y);
        EXPECT_TRUE(port.clockRunning);
        game.Press(c.button, c.x, c.y);
        EXPECT_EQ(port.clockStarts, 1);
        // Beside the cells: neither refresh nor counter.
        EXPECT_EQ(port.refreshes, 0);
        EXPECT_TRUE(port.events.empty());
    }
}

TEST_F(PressTest, ACappedClockIsNotRestarted) {
    port.clockCaption = "999";
    PressCell(2, 0, 0);
    EXPECT_FALSE(port.clockRunning);
    EXPECT_EQ(port.clockStarts, 0);
    EXPECT_EQ(game.cellView[0][0], tile::flag); // the game itself goes on
}

TEST_F(PressTest, RightButtonTogglesFlagAndMinesLeft) {
    PressCell(2, 1, 1);
    EXPECT_EQ(game.cellView[1][1], tile::flag);
    EXPECT_EQ(game.minesLeft, 0);
    EXPECT_EQ(port.counterCaption, "0");
    PressCell(2, 0, 0);
    EXPECT_EQ(port.counterCaption, "-1");
    PressCell(2, 1, 1);
    EXPECT_EQ(game.cellView[1][1], tile::covered);
    EXPECT_EQ(game.minesLeft, 0);
    EXPECT_EQ(port.refreshes, 3);
}

TEST_F(PressTest, PressesThatChangeNothingStillRefreshAndRewriteTheCounter) {
    PressCell(1, 2, 2); // opens a 1
    port.paints.clear();
    port.refreshes = 0;
    port.events.clear();
    PressCell(2, 2, 2); // right on an opened cell
    PressCell(4, 0, 0); // middle on a covered cell
    PressCell(1, 2, 2); // left on an opened cell
    EXPECT_TRUE(port.paints.empty());
    EXPECT_EQ(port.refreshes, 3);
    EXPECT_EQ(port.events.size(), 6u);
    EXPECT_TRUE(game.gameOn);
}

TEST_F(PressTest, LeftOnAFlagKeepsTheFlag) {
    PressCell(2, 0, 0);
    PressCell(1, 0, 0);
    EXPECT_EQ(game.cellView[0][0], tile::flag);
    EXPECT_EQ(game.cellsToOpen, 11);
}

TEST_F(PressTest, AfterTheEndEveryPressIsIgnored) {
    PressCell(1, 3, 2);
    ASSERT_FALSE(game.gameOn);
    port.paints.clear();
    port.refreshes = 0;
    port.events.clear();
    port.clockStarts = 0;
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
    EXPECT_EQ(port.counterColour, colour::green);
    EXPECT_EQ(port.counterCaption, "11");
    PressCell(1, 2, 2);
    EXPECT_EQ(port.counterCaption, "10");
    game.ToggleCounterMode();
    EXPECT_EQ(port.counterColour, colour::red);
    EXPECT_EQ(port.counterCaption, "1");
    EXPECT_EQ(port.events.back(), "counterCaption");
}

} // namespace
} // namespace torvane::game
