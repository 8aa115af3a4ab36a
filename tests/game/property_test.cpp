#include "game/testing/invariants.h"
#include "game/testing/scripted_game.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <stdexcept>
#include <string>

namespace torvane::game {
namespace {

// The flood as plainly written, recursing on the call stack over a copy of what is shown.
void openRecursively(const Game& game, std::vector<std::string>& shown, Cell cell,
                     std::vector<Cell>& opened) {
    if (!game.contains(cell) || shown[cell.y][cell.x] != '#' || game.hasMine(cell)) {
        return;
    }
    int count = 0;
    for (const Cell neighbour : neighbours(cell)) {
        count += game.contains(neighbour) && game.hasMine(neighbour);
    }
    shown[cell.y][cell.x] = static_cast<char>('0' + count);
    opened.push_back(cell);
    if (count == 0) {
        for (const Cell neighbour : neighbours(cell)) {
            openRecursively(game, shown, neighbour, opened);
        }
    }
}

// Random games on every field size from 1 x 1 to 30 x 30, pressed at random until they end.
// Both loops are bounded, so a placement that never ends or a missed win fails with a message.
TEST(GameProperties, RandomGamesOfEverySizeKeepTheInvariantsAndEnd) {
    std::mt19937 random(20261208);
    std::mt19937_64 engine;
    int drawsLeft = 0;
    std::string field;
    Game game(
        [&] {
            if (drawsLeft-- == 0) {
                throw std::runtime_error("mines still being laid on " + field);
            }
            return static_cast<float>(engine() >> 40) * 0x1p-24f;
        },
        [] { return 0.0; });
    const Action actions[] = {Action::Open, Action::Open, Action::Open,
                              Action::Flag, Action::Flag, Action::None};

    for (int columns = 1; columns <= maxSide; ++columns) {
        for (int rows = 1; rows <= maxSide; ++rows) {
            const int cells = columns * rows;
            const int mines =
                std::uniform_int_distribution<int>(0, std::min(cells - 1, cells / 3 + 1))(random);
            field = std::to_string(columns) + "x" + std::to_string(rows) + " with " +
                    std::to_string(mines) + " mines";
            engine.seed(random());
            drawsLeft = 200 * (mines + 1);
            game.startLevel(Custom, {columns, rows, mines});
            ASSERT_NO_FATAL_FAILURE(testing::expectInvariants(game)) << field;

            std::uniform_int_distribution<int> pickX(0, columns - 1);
            std::uniform_int_distribution<int> pickY(0, rows - 1);
            const int pressLimit = 100 * cells + 1000;
            for (int presses = 0; !isOver(game.phase()); ++presses) {
                ASSERT_LT(presses, pressLimit)
                    << field << " still playing with " << game.cellsToOpen() << " cells to open";
                // One press in ten lands beside the field.
                const Cell cell = random() % 10 == 0 ? Cell{-1, pickY(random)}
                                                     : Cell{pickX(random), pickY(random)};
                const Action action = actions[random() % std::size(actions)];
                std::vector<Cell> expected;
                if (action == Action::Open) {
                    std::vector<std::string> shown = testing::shownRows(game);
                    openRecursively(game, shown, cell, expected);
                }
                const Change& change = game.press(cell, action);
                ASSERT_EQ(change.ended, isOver(game.phase())) << field;
                const std::size_t flooded = std::min(change.cells.size(), expected.size());
                ASSERT_EQ(std::vector<Cell>(change.cells.begin(), change.cells.begin() + flooded),
                          expected)
                    << field << " opening " << cell;
                if (!isOver(game.phase())) {
                    ASSERT_NO_FATAL_FAILURE(testing::expectInvariants(game)) << field;
                }
            }
            const bool won = game.cellsToOpen() == 0;
            ASSERT_EQ(game.face(), won ? Face::Won : Face::Lost) << field;
            if (won) {
                EXPECT_EQ(game.minesLeft(), 0) << field;
                for (int y = 0; y < rows; ++y) {
                    for (int x = 0; x < columns; ++x) {
                        const CellState::Kind kind = game.cellAt({x, y}).kind;
                        ASSERT_EQ(kind, game.hasMine({x, y}) ? CellState::Flagged : CellState::Open)
                            << field << " at " << Cell{x, y};
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace torvane::game
