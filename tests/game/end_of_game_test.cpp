#include "game/game.h"
#include "recording_port.h"

#include <gtest/gtest.h>

namespace torvane::game {
namespace {

using testing::CentreOf;
using testing::LayField;
using testing::RecordingPort;

void PressCell(Game& game, std::int16_t button, int x, int y) {
    const auto [px, py] = CentreOf(x, y);
    game.Press(button, px, py);
}

TEST(EndOfGame, LossRevealsMinesAndWrongFlagsAndKeepsTheCounters) {
    RecordingPort port;
    Game game(port);
    const std::vector<Cell> mines{{0, 0}, {5, 0}, {2, 3}, {5, 4}};
    LayField(game, port, 6, 5, mines);
    PressCell(game, 2, 0, 0); // right on a mine
    PressCell(game, 2, 5, 0); // right on a mine
    PressCell(game, 2, 3, 1); // wrong flag
    const auto minesLeft = game.minesLeft;
    const auto cellsToOpen = game.cellsToOpen;
    port.clockCaption = "4";
    PressCell(game, 1, 2, 3);

    EXPECT_EQ(game.cellView[0][0], tile::flag);
    EXPECT_EQ(game.cellView[5][0], tile::flag);
    EXPECT_EQ(game.cellView[3][1], tile::wrongFlag);
    EXPECT_EQ(game.cellView[5][4], tile::mine);
    EXPECT_EQ(game.cellView[2][3], tile::explodedMine);
    EXPECT_EQ(game.cellView[1][1], tile::covered);
    EXPECT_EQ(game.minesLeft, minesLeft);
    EXPECT_EQ(game.cellsToOpen, cellsToOpen);
    EXPECT_EQ(port.counterCaption, "1");
    EXPECT_EQ(port.faceColour, colour::red);
    EXPECT_EQ(port.faceCaption, "L");
    EXPECT_FALSE(port.clockRunning);
    EXPECT_EQ(port.clockCaption, "4");
    EXPECT_TRUE(port.records.empty());
}

TEST(EndOfGame, WinFlagsEveryCoveredMineAndHandsOverLevelAndTime) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 3, 1, {{0, 0}, {2, 0}}, 1);
    PressCell(game, 2, 0, 0);
    port.clockCaption = "12";
    port.events.clear();
    PressCell(game, 1, 1, 0);
    EXPECT_EQ(game.cellView[0][0], tile::flag);
    EXPECT_EQ(game.cellView[2][0], tile::flag);
    EXPECT_EQ(game.minesLeft, 0);
    EXPECT_EQ(game.cellsToOpen, 0);
    EXPECT_EQ(port.counterCaption, "0");
    EXPECT_EQ(port.faceColour, colour::green);
    EXPECT_EQ(port.faceCaption, "J");
    EXPECT_FALSE(port.clockRunning);
    ASSERT_EQ(port.records.size(), 1u);
    EXPECT_EQ(port.records[0], (std::pair<std::int16_t, std::string>{1, "12"}));
    // GameWon's own counter, then the press's counter after it.
    EXPECT_EQ(port.events,
              (std::vector<std::string>{"counterColour", "counterCaption", "faceColour",
                                        "faceCaption", "counterColour", "counterCaption"}));
}

TEST(EndOfGame, CounterShowsZeroInEitherModeAfterAWin) {
    for (bool minesMode : {true, false}) {
        RecordingPort port;
        Game game(port);
        LayField(game, port, 2, 1, {{0, 0}});
        game.showMinesLeft = minesMode;
        PressCell(game, 1, 1, 0);
        EXPECT_EQ(port.counterCaption, "0");
        EXPECT_EQ(port.counterColour, minesMode ? colour::red : colour::green);
    }
}

TEST(EndOfGame, CustomLevelWinsHaveNoRecordStep) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 2, 1, {{0, 0}}, 3);
    PressCell(game, 1, 1, 0);
    EXPECT_FALSE(game.gameOn);
    EXPECT_TRUE(port.records.empty());
}

} // namespace
} // namespace torvane::game
