#include "game/testing/scripted_game.h"

#include <gtest/gtest.h>
#include <optional>

namespace torvane::game {
namespace {

using Rows = std::vector<std::string>;
using testing::ScriptedGame;
using testing::shownRows;

class PressTest : public ::testing::Test {
  protected:
    void SetUp() override { scripted.lay(4, 3, {{3, 2}}); }
    ScriptedGame scripted;
    Game& game = scripted.game;
};

TEST_F(PressTest, AFlagComesAndGoesAndCountsDownTheMinesLeft) {
    EXPECT_EQ(scripted.flag({1, 1}).cells, (std::vector<Cell>{{1, 1}}));
    EXPECT_EQ(game.cellAt({1, 1}).kind, CellState::Flagged);
    EXPECT_EQ(game.minesLeft(), 0);
    scripted.flag({0, 0});
    EXPECT_EQ(game.counterValue(), -1); // more flags than mines
    EXPECT_EQ(scripted.flag({1, 1}).cells, (std::vector<Cell>{{1, 1}}));
    EXPECT_EQ(game.cellAt({1, 1}).kind, CellState::Covered);
    EXPECT_EQ(game.minesLeft(), 0);
    EXPECT_EQ(game.cellsToOpen(), 11);
}

TEST_F(PressTest, PressesThatAskForNothingChangeNothing) {
    scripted.open({2, 2}); // a 1
    scripted.flag({0, 0});
    const Rows before = shownRows(game);
    struct Case {
        const char* name;
        Cell cell;
        Action action;
    };
    for (const Case c : {Case{"flagging an open cell", {2, 2}, Action::Flag},
                         Case{"opening an open cell", {2, 2}, Action::Open},
                         Case{"opening a flagged cell", {0, 0}, Action::Open},
                         Case{"a press that asks for nothing", {1, 1}, Action::None}}) {
        SCOPED_TRACE(c.name);
        const Change& change = game.press(c.cell, c.action);
        EXPECT_TRUE(change.cells.empty()) << c.cell;
        EXPECT_FALSE(change.ended) << c.cell;
    }
    EXPECT_EQ(shownRows(game), before);
    EXPECT_EQ(game.minesLeft(), 0);
    EXPECT_EQ(game.cellsToOpen(), 10);
}

TEST_F(PressTest, TheCounterShowsMinesLeftOrCellsToOpen) {
    EXPECT_TRUE(game.showsMinesLeft());
    EXPECT_EQ(game.counterValue(), 1);
    game.toggleCounterMode();
    EXPECT_FALSE(game.showsMinesLeft());
    EXPECT_EQ(game.counterValue(), 11);
    scripted.open({2, 2});
    EXPECT_EQ(game.counterValue(), 10);
    game.toggleCounterMode();
    EXPECT_EQ(game.counterValue(), 1);
}

// A 4 x 3 field with one mine at the bottom right; each row plays its presses on a new game.
TEST(Phase, FollowsThePresses) {
    struct Step {
        std::optional<Cell> cell;
        Action action;
    };
    struct Row {
        const char* name;
        std::vector<Step> presses;
        double secondsAfter; // on the clock once the presses are made
        Phase phase;
    };
    const Row rows[] = {
        {"a new game", {}, 0, Phase::Ready},
        {"a middle press beside the field", {{std::nullopt, Action::None}}, 0, Phase::Playing},
        {"a flag", {{Cell{0, 0}, Action::Flag}}, 0, Phase::Playing},
        {"a count opened", {{Cell{2, 2}, Action::Open}}, 0, Phase::Playing},
        {"the clock at its cap", {{Cell{0, 0}, Action::Flag}}, 2000, Phase::Playing},
        {"the last safe cell opened", {{Cell{0, 0}, Action::Open}}, 0, Phase::Won},
        {"the mine opened", {{Cell{3, 2}, Action::Open}}, 0, Phase::Lost},
        {"a press after a loss",
         {{Cell{3, 2}, Action::Open}, {Cell{0, 0}, Action::Open}},
         0,
         Phase::Lost},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedGame scripted;
        scripted.lay(4, 3, {{3, 2}});
        for (const Step& step : row.presses) {
            scripted.game.press(step.cell, step.action);
        }
        scripted.now += row.secondsAfter;
        scripted.game.updateClock();
        EXPECT_EQ(scripted.game.phase(), row.phase);
        if (row.phase == Phase::Lost) { // nothing opened after the loss
            EXPECT_EQ(scripted.game.cellAt({0, 0}).kind, CellState::Covered);
        }
    }
}

} // namespace
} // namespace torvane::game
