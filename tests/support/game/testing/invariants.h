#pragma once

#include "game/game.h"

#include <gtest/gtest.h>

namespace torvane::game::testing {

// The four invariants that hold while a game runs.
inline void ExpectInvariants(const Game& g) {
    int mines = 0;
    int toOpen = 0;
    int flags = 0;
    for (int y = 0; y < g.fieldHeight(); ++y) {
        for (int x = 0; x < g.fieldWidth(); ++x) {
            const int value = g.mineMap()[x][y];
            const int view = g.cellView()[x][y];
            if (value == mineValue) {
                ++mines;
                ASSERT_TRUE(view == tile::covered || view == tile::flag) << x << "," << y;
            } else {
                int around = 0;
                for (const Cell n :
                     Neighbours({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)})) {
                    around += g.InField(n.x, n.y) && g.mineMap()[n.x][n.y] == mineValue;
                }
                ASSERT_EQ(value, around) << x << "," << y;
                ASSERT_TRUE(view == tile::covered || view == tile::flag || view == value);
                toOpen += view == tile::covered || view == tile::flag;
            }
            flags += view == tile::flag;
        }
    }
    ASSERT_EQ(mines, g.mineTotal());
    ASSERT_EQ(g.cellsToOpen(), toOpen);
    ASSERT_EQ(g.minesLeft(), g.mineTotal() - flags);
}

} // namespace torvane::game::testing
