#include "game/testing/scripted_game.h"

#include <gtest/gtest.h>
#include <limits>

namespace torvane::game {
namespace {

using Rows = std::vector<std::string>;
using testing::mineRows;
using testing::ScriptedGame;
using testing::shownRows;

TEST(NewGame, CountsFollowTheHexNeighbourhood) {
    ScriptedGame scripted;
    scripted.lay(4, 3, {{1, 1}, {2, 0}});
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            if (!scripted.game.hasMine({x, y})) {
                scripted.open({x, y}); // the last safe cell wins and flags the mines
            }
        }
    }
    EXPECT_EQ(shownRows(scripted.game), (Rows{"12F1", "1F21", "1100"}));
}

TEST(NewGame, DuringAGameCoversEveryCellInRowOrderAndResetsTheStatus) {
    ScriptedGame scripted;
    scripted.lay(3, 2, {{0, 0}});
    scripted.flag({1, 1});
    scripted.open({2, 0});
    scripted.game.toggleCounterMode();
    scripted.now = 12.5;
    scripted.game.updateClock();
    ASSERT_EQ(scripted.game.clock().seconds, 12);

    scripted.queueMines({{2, 1}}, 3, 2);
    const Change& change = scripted.game.newGame();
    EXPECT_EQ(change.cells, (std::vector<Cell>{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}}));
    EXPECT_FALSE(change.ended);
    EXPECT_EQ(shownRows(scripted.game), (Rows{"###", "###"}));
    EXPECT_EQ(mineRows(scripted.game), (Rows{"...", "..*"}));
    const Game& game = scripted.game;
    EXPECT_EQ(game.phase(), Phase::Ready);
    EXPECT_EQ(game.face(), Face::Playing);
    EXPECT_FALSE(game.clock().running);
    EXPECT_EQ(game.clock().seconds, 0);
    EXPECT_EQ(game.minesLeft(), 1);
    EXPECT_EQ(game.cellsToOpen(), 5);
    EXPECT_FALSE(game.showsMinesLeft()); // the player's choice of counter outlives the game
}

// Every mine of the last game goes, wherever it lay: the map is the new draws' alone.
TEST(NewGame, ASecondGameLaysOnlyItsOwnMines) {
    ScriptedGame scripted;
    scripted.lay(4, 3, {{0, 0}, {3, 0}, {1, 1}, {2, 2}});
    scripted.queueMines({{1, 0}, {3, 1}, {0, 2}, {3, 2}}, 4, 3);
    scripted.game.newGame();
    EXPECT_EQ(mineRows(scripted.game), (Rows{".*..", "...*", "*..*"}));
    EXPECT_TRUE(scripted.draws.empty());
}

TEST(NewGame, ADrawOnAMineRedrawsBothCoordinatesColumnFirst) {
    ScriptedGame scripted;
    // The second mine lands on the first, then its redraw finds (0, 2); the third follows on.
    scripted.queueMines({{3, 1}, {3, 1}, {0, 2}, {1, 0}}, 4, 3);
    scripted.game.startLevel(Custom, {4, 3, 3});
    EXPECT_EQ(mineRows(scripted.game), (Rows{".*..", "...*", "*..."}));
    EXPECT_EQ(scripted.drawsTaken, 8);
}

// A draw becomes a column or row as the whole part of draw x side, in single precision.
TEST(NewGame, DrawsBecomeCellsInSinglePrecision) {
    struct Case {
        const char* name;
        float draw;
        int coordinate;
    };
    const Case cases[] = {
        {"the smallest draw", 0.0f, 0},
        {"the middle draw", 0.5f, 15},
        {"0.9 x 30 is 27 in single precision", 0.9f, 27}, // 26.99999928 in double precision
        {"the largest draw below 1", 0.99999994f, 29},
        {"a draw of 1 still hits the field", 1.0f, 29},
        {"a negative draw still hits the field", -0.5f, 0},
        {"a NaN draw lands on column and row 0", std::numeric_limits<float>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedGame scripted;
        scripted.draws = {c.draw, c.draw};
        scripted.game.startLevel(Custom, {30, 30, 1});
        EXPECT_TRUE(scripted.game.hasMine({c.coordinate, c.coordinate})) << c.draw;
    }
}

TEST(NewGame, StartLevelPlaysTheLevelOnItsField) {
    ScriptedGame scripted;
    scripted.lay(2, 2, {{0, 0}});
    scripted.queueMines({{1, 1}}, 30, 16);
    const FieldSize expert{30, 16, 1};
    const Change& change = scripted.game.startLevel(Expert, expert);
    EXPECT_EQ(change.cells.size(), 30u * 16u);
    EXPECT_EQ(scripted.game.level(), Expert);
    EXPECT_EQ(scripted.game.fieldSize(), expert);
    EXPECT_EQ(scripted.game.cellsToOpen(), 479);
    EXPECT_TRUE(scripted.game.hasMine({1, 1}));
}

} // namespace
} // namespace torvane::game
