#include "game/playable_field.h"

#include "game/hex_geometry.h"

#include <array>
#include <cassert>

namespace torvane::game {

bool IsPlayable(int columns, int rows, int mines) {
    return columns >= 1 && columns <= maxSide && rows >= 1 && rows <= maxSide && mines >= 0 &&
           mines < columns * rows;
}

std::int16_t SelectableLevel(std::int16_t index) {
    if (index < 0) {
        return Intermediate;
    }
    return index > Custom ? std::int16_t{Custom} : index;
}

FieldSize PresetField(int level) {
    static constexpr std::array<FieldSize, presetLevelCount> presets{
        {{8, 8, 8}, {16, 16, 35}, {30, 16, 80}}};
    assert(KeepsRecords(static_cast<std::int16_t>(level)));
    return presets[static_cast<std::size_t>(level)];
}

} // namespace torvane::game
