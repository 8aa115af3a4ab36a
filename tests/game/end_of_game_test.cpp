#include "game/testing/scripted_game.h"

#include <gtest/gtest.h>

namespace torvane::game {
namespace {

using Rows = std::vector<std::string>;
using testing::ScriptedGame;
using testing::shownRows;

// Flags on mines stay, wrong flags show, every other mine is uncovered row by row, and the
// pressed mine explodes last. Counters and clock keep what they showed.
TEST(EndOfGame, ALossRevealsTheField) {
    ScriptedGame scripted;
    scripted.lay(6, 5, {{0, 0}, {5, 0}, {2, 3}, {5, 4}});
    scripted.flag({0, 0});
    scripted.flag({5, 0});
    scripted.flag({3, 1});
    scripted.now = 4.7;
    scripted.game.updateClock();
    const Game& game = scripted.game;
    const int minesLeft = game.minesLeft();
    const int cellsToOpen = game.cellsToOpen();

    const Change& change = scripted.open({2, 3});
    EXPECT_EQ(change.cells, (std::vector<Cell>{{3, 1}, {2, 3}, {5, 4}, {2, 3}}));
    EXPECT_TRUE(change.ended);
    EXPECT_FALSE(change.win);
    EXPECT_EQ(shownRows(game), (Rows{"F####F", "###!##", "######", "##X###", "#####*"}));
    EXPECT_EQ(game.minesLeft(), minesLeft);
    EXPECT_EQ(game.cellsToOpen(), cellsToOpen);
    EXPECT_EQ(game.face(), Face::Lost);
    EXPECT_EQ(game.phase(), Phase::Lost);
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(game.clock().seconds, 4);
}

// The covered mines are flagged, the counter reads 0 in either mode, and the win carries the
// level and the seconds the clock last showed.
TEST(EndOfGame, AWinFlagsTheMinesAndTellsLevelAndTime) {
    struct Case {
        const char* name;
        Level level;
        bool showMinesLeft;
    };
    for (const Case c : {Case{"Intermediate, counting mines left", Intermediate, true},
                         Case{"Beginner, counting cells to open", Beginner, false},
                         Case{"Custom, counting mines left", Custom, true}}) {
        SCOPED_TRACE(c.name);
        ScriptedGame scripted;
        scripted.lay(3, 1, {{0, 0}, {2, 0}}, c.level);
        if (!c.showMinesLeft) {
            scripted.game.toggleCounterMode();
        }
        scripted.flag({0, 0});
        scripted.now = 12.9;
        scripted.game.updateClock();
        scripted.now = 13.5; // not shown yet

        const Change& change = scripted.open({1, 0});
        EXPECT_EQ(change.cells, (std::vector<Cell>{{1, 0}, {2, 0}})) << c.level;
        EXPECT_TRUE(change.ended);
        ASSERT_TRUE(change.win);
        EXPECT_EQ(change.win->level, c.level);
        EXPECT_EQ(change.win->seconds, 12);
        const Game& game = scripted.game;
        EXPECT_EQ(shownRows(game), (Rows{"F2F"}));
        EXPECT_EQ(game.counterValue(), 0) << c.level;
        EXPECT_EQ(game.face(), Face::Won);
        EXPECT_FALSE(game.clock().running);
    }
}

TEST(EndOfGame, EveryPressAfterTheEndIsIgnored) {
    for (const bool won : {false, true}) {
        ScriptedGame scripted;
        scripted.lay(2, 1, {{1, 0}});
        scripted.open(won ? Cell{0, 0} : Cell{1, 0});
        ASSERT_TRUE(isOver(scripted.game.phase()));
        const Rows before = shownRows(scripted.game);
        for (const Action action : {Action::Open, Action::Flag, Action::None}) {
            for (const std::optional<Cell> cell :
                 {std::optional<Cell>{Cell{0, 0}}, std::optional<Cell>{Cell{1, 0}},
                  std::optional<Cell>{}}) {
                const Change& change = scripted.game.press(cell, action);
                EXPECT_TRUE(change.cells.empty());
                EXPECT_FALSE(change.ended);
                EXPECT_FALSE(change.win);
            }
        }
        EXPECT_EQ(shownRows(scripted.game), before);
        EXPECT_FALSE(scripted.game.clock().running);
    }
}

} // namespace
} // namespace torvane::game
