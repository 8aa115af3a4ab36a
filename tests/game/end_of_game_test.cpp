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

TEST(EndOfGame, LossRevealsMinesAndWrongFlagsAndKeepsTheCounters) {
    RecordingPort port;
    Game game(port);
    const std::vector<Cell> mines{{0, 0}, {5, 0}, {2, 3}, {5, 4}};
    LayField(game, port, 6, 5, mines);
    PressCell(game, 2, 0, 0); // right on a mine
    PressCell(game, 2, 5, 0); // right on a mine
    PressCell(game, 2, 3, 1); // wrong flag
    const auto minesLeft = game.minesLeft();
    const auto cellsToOpen = game.cellsToOpen();
    game.ClockTick(4.7);
    PressCell(game, 1, 2, 3);

    EXPECT_EQ(game.cellView()[0][0], tile::flag);
    EXPECT_EQ(game.cellView()[5][0], tile::flag);
    EXPECT_EQ(game.cellView()[3][1], tile::wrongFlag);
    EXPECT_EQ(game.cellView()[5][4], tile::mine);
    EXPECT_EQ(game.cellView()[2][3], tile::explodedMine);
    EXPECT_EQ(game.cellView()[1][1], tile::covered);
    EXPECT_EQ(game.minesLeft(), minesLeft);
    EXPECT_EQ(game.cellsToOpen(), cellsToOpen);
    EXPECT_EQ(port.counter, (Counter{1, true}));
    EXPECT_EQ(game.face(), Face::Lost);
    EXPECT_EQ(port.face, Face::Lost);
    EXPECT_FALSE(port.clockRunning);
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(game.clock().seconds, 4);
    EXPECT_EQ(port.clockShown, 4);
    EXPECT_TRUE(port.records.empty());
}

TEST(EndOfGame, WinFlagsEveryCoveredMineAndHandsOverLevelAndTime) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 3, 1, {{0, 0}, {2, 0}}, Intermediate);
    PressCell(game, 2, 0, 0);
    game.ClockTick(12.9);
    port.events.clear();
    PressCell(game, 1, 1, 0);
    EXPECT_EQ(game.cellView()[0][0], tile::flag);
    EXPECT_EQ(game.cellView()[2][0], tile::flag);
    EXPECT_EQ(game.minesLeft(), 0);
    EXPECT_EQ(game.cellsToOpen(), 0);
    EXPECT_EQ(port.counter, (Counter{0, true}));
    EXPECT_EQ(game.face(), Face::Won);
    EXPECT_EQ(port.face, Face::Won);
    EXPECT_FALSE(port.clockRunning);
    EXPECT_EQ(port.records, (std::vector<Record>{{Intermediate, 12}}));
    // GameWon's own counter, then the press's counter after it.
    EXPECT_EQ(port.events,
              (std::vector<std::string>{"clockStop", "counter", "face", "record", "counter"}));
}

TEST(EndOfGame, CounterShowsZeroInEitherModeAfterAWin) {
    for (bool minesMode : {true, false}) {
        RecordingPort port;
        Game game(port);
        LayField(game, port, 2, 1, {{0, 0}});
        game.SetShowMinesLeft(minesMode);
        PressCell(game, 1, 1, 0);
        EXPECT_EQ(port.counter, (Counter{0, minesMode}));
    }
}

TEST(EndOfGame, CustomLevelWinsHaveNoRecordStep) {
    RecordingPort port;
    Game game(port);
    LayField(game, port, 2, 1, {{0, 0}}, Custom);
    PressCell(game, 1, 1, 0);
    EXPECT_FALSE(game.gameOn());
    EXPECT_EQ(game.face(), Face::Won);
    EXPECT_TRUE(port.records.empty());
}

} // namespace
} // namespace torvane::game
