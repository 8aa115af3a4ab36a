#pragma once

#include "app/uniform_random.h"
#include "game/testing/mine_draws.h"

#include <deque>
#include <vector>

namespace torvane::app::testing {

// Where a window's mines fall: on the cells a test queues while there are any, then wherever a
// seeded generator puts them.
class ScriptedDraws {
  public:
    void queueMines(const std::vector<game::Cell>& mines, int columns, int rows) {
        game::testing::queueMineDraws(draws_, mines, columns, rows);
    }
    bool empty() const { return draws_.empty(); }
    float next() {
        if (draws_.empty()) {
            return fallback_.next();
        }
        const float draw = draws_.front();
        draws_.pop_front();
        return draw;
    }

  private:
    std::deque<float> draws_;
    app::UniformRandom fallback_{20261208};
};

} // namespace torvane::app::testing
