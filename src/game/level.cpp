#include "game/level.h"

#include "game/cell.h"

#include <array>
#include <cassert>
#include <cstddef>

namespace torvane::game {

bool isPlayable(FieldSize size) {
    return size.columns >= 1 && size.columns <= maxSide && size.rows >= 1 && size.rows <= maxSide &&
           size.mines >= 0 && size.mines < size.columns * size.rows;
}

Level selectableLevel(int index) {
    if (index < 0) {
        return firstLevel;
    }
    return index > Custom ? Custom : static_cast<Level>(index);
}

FieldSize presetField(Level level) {
    static constexpr std::array<FieldSize, presetLevelCount> presets{
        {{8, 8, 8}, {16, 16, 35}, {30, 16, 80}}};
    assert(keepsRecords(level));
    return presets[static_cast<std::size_t>(level)];
}

} // namespace torvane::game
