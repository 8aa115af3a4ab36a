#pragma once

#include "game/game.h"

#include <gtest/gtest.h>

namespace torvane::game::testing {

// The four invariants that hold while a game runs.
inline void expectInvariants(const Game& game) {
    const FieldSize size = game.fieldSize();
    int mines = 0;
    int toOpen = 0;
    int flags = 0;
    for (int y = 0; y < size.rows; ++y) {
        for (int x = 0; x < size.columns; ++x) {
            const Cell cell{x, y};
            const CellState state = game.cellAt(cell);
            const bool covered =
                state.kind == CellState::Covered || state.kind == CellState::Flagged;
            flags += state.kind == CellState::Flagged;
            if (game.hasMine(cell)) {
                ++mines;
                ASSERT_TRUE(covered) << x << "," << y;
                continue;
            }
            ASSERT_TRUE(covered || state.kind == CellState::Open) << x << "," << y;
            toOpen += covered;
            if (state.kind == CellState::Open) {
                int around = 0;
                for (const Cell n : neighbours(cell)) {
                    around += game.contains(n) && game.hasMine(n);
                }
                ASSERT_EQ(state.count, around) << x << "," << y;
            }
        }
    }
    ASSERT_EQ(mines, size.mines);
    ASSERT_EQ(game.cellsToOpen(), toOpen);
    ASSERT_EQ(game.minesLeft(), size.mines - flags);
}

} // namespace torvane::game::testing
