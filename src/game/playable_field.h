#pragma once

#include <cstdint>

namespace torvane::game {

struct FieldSize {
    std::int16_t columns = 0;
    std::int16_t rows = 0;
    std::int16_t mines = 0;
    friend bool operator==(FieldSize, FieldSize) = default;
};

// A field the game can lay and finish: 1..30 columns and rows, and at least one
// safe cell beside the mines.
bool IsPlayable(int columns, int rows, int mines);
inline bool IsPlayable(FieldSize f) {
    return IsPlayable(f.columns, f.rows, f.mines);
}

// The level a requested index selects: 0 to 2 are the presets, 3 the custom level. Only a
// damaged records file names others: below 0 is the default level, above 3 the custom one.
std::int16_t SelectableLevel(std::int16_t index);

// The preset levels 0, 1 and 2.
FieldSize PresetField(int level);

} // namespace torvane::game
