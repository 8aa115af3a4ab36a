#include "game/testing/scripted_game.h"

#include <cmath>
#include <gtest/gtest.h>

namespace torvane::game {
namespace {

using testing::ScriptedGame;

// One mine at the left of three cells in a row.
class ClockTest : public ::testing::Test {
  protected:
    void SetUp() override { scripted.lay(3, 1, {{0, 0}}, Beginner); }
    // Moves the time source on to this many seconds and lets the clock read it.
    void at(double seconds) {
        scripted.now = seconds;
        game.updateClock();
    }
    ScriptedGame scripted;
    Game& game = scripted.game;
};

TEST_F(ClockTest, TheFirstPressOfAnyKindStartsItOnce) {
    struct Case {
        const char* name;
        std::optional<Cell> cell;
        Action action;
    };
    for (const Case c : {Case{"a flag", Cell{1, 0}, Action::Flag},
                         Case{"a press that asks for nothing", Cell{1, 0}, Action::None},
                         Case{"opening a safe cell", Cell{1, 0}, Action::Open},
                         Case{"opening beside the field", Cell{5, 0}, Action::Open},
                         Case{"a press on no cell", std::nullopt, Action::Open}}) {
        SCOPED_TRACE(c.name);
        SetUp();
        at(100.0);
        ASSERT_FALSE(game.clock().running);
        game.press(c.cell, c.action);
        EXPECT_TRUE(game.clock().running);
        at(103.5);
        game.press(c.cell, c.action); // a second press does not restart it
        at(105.2);
        EXPECT_EQ(game.clock().seconds, 5);
    }
}

TEST_F(ClockTest, ShowsWholeSecondsAndStopsForGoodAt999) {
    struct Case {
        const char* name;
        double elapsed;
        int shown;
        bool running;
    };
    const double nan = std::nan("");
    for (const Case c : {Case{"under a second shows 0", 0.4, 0, true},
                         Case{"one whole second shows 1", 1.0, 1, true},
                         Case{"a fraction is cut, not rounded", 12.9, 12, true},
                         Case{"just under the cap runs on", 998.99, 998, true},
                         Case{"time running backwards shows 0", -0.5, 0, true},
                         Case{"a time source giving NaN shows 0", nan, 0, true},
                         Case{"the cap stops it", 999.0, 999, false},
                         Case{"far past the cap shows the cap", 1e12, 999, false}}) {
        SCOPED_TRACE(c.name);
        SetUp();
        scripted.now = 50.0;
        game.press(std::nullopt, Action::None);
        at(50.0 + c.elapsed);
        EXPECT_EQ(game.clock().seconds, c.shown) << c.elapsed;
        EXPECT_EQ(game.clock().running, c.running) << c.elapsed;
        EXPECT_EQ(game.clock().capped(), !c.running) << c.elapsed;
        at(55.0); // a stopped clock never moves again
        EXPECT_EQ(game.clock().seconds, c.running ? 5 : clockCap) << c.elapsed;
    }
}

TEST_F(ClockTest, ACappedClockStaysStoppedAndTheGameGoesOn) {
    game.press(std::nullopt, Action::None);
    at(1000.0);
    scripted.flag({1, 0});
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(game.cellAt({1, 0}).kind, CellState::Flagged);
    scripted.flag({1, 0});
    const Change& change = scripted.open({2, 0});
    ASSERT_TRUE(change.win);
    EXPECT_EQ(change.win->seconds, clockCap);
}

// A loss stops the clock; a new game, after a loss or after the cap, starts it afresh.
TEST_F(ClockTest, ANewGameResetsIt) {
    struct Case {
        const char* name;
        double playedFor;
        bool lost;
        int shown;
    };
    for (const Case c :
         {Case{"after a loss", 5.5, true, 5}, Case{"after the cap", 2000.0, false, clockCap}}) {
        SCOPED_TRACE(c.name);
        SetUp();
        game.press(std::nullopt, Action::None);
        at(c.playedFor);
        if (c.lost) {
            scripted.open({0, 0});
        }
        at(c.playedFor + 3.0);
        EXPECT_FALSE(game.clock().running);
        EXPECT_EQ(game.clock().seconds, c.shown);

        scripted.queueMines({{0, 0}}, 3, 1);
        game.newGame();
        EXPECT_FALSE(game.clock().running);
        EXPECT_EQ(game.clock().seconds, 0);
        game.press(std::nullopt, Action::None);
        at(scripted.now + 2.5);
        EXPECT_TRUE(game.clock().running);
        EXPECT_EQ(game.clock().seconds, 2);
    }
}

} // namespace
} // namespace torvane::game
