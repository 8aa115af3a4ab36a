#pragma once

#include "game/game.h"

namespace torvane::store {
class BestTimes;
}

namespace torvane::app {

// A won game that beats its level's best time takes the level's row of the table at once, under
// the unnamed holder until the player gives a name. True when it did.
bool takeRecord(store::BestTimes& bestTimes, const game::Win& win);

} // namespace torvane::app
