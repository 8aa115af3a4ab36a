#pragma once

#include "game/cell.h"

#include <deque>
#include <vector>

namespace torvane::game::testing {

// The random draws, column then row for each cell in turn, that lay the mines on these cells of
// a field this size.
inline void queueMineDraws(std::deque<float>& draws, const std::vector<Cell>& mines, int columns,
                           int rows) {
    for (const Cell cell : mines) {
        draws.push_back((static_cast<float>(cell.x) + 0.5f) / static_cast<float>(columns));
        draws.push_back((static_cast<float>(cell.y) + 0.5f) / static_cast<float>(rows));
    }
}

} // namespace torvane::game::testing
