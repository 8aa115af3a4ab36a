#pragma once

#include "game/cell.h"

#include <ostream>

namespace torvane::game {

// A cell as (x,y) in a failure message.
inline std::ostream& operator<<(std::ostream& out, Cell cell) {
    return out << '(' << cell.x << ',' << cell.y << ')';
}

} // namespace torvane::game
