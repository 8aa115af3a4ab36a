#pragma once

#include <cstdint>

namespace torvane::game {

// Levels as the menu and the records file number them.
enum Level : std::int16_t { Beginner = 0, Intermediate = 1, Expert = 2, Custom = 3 };
inline constexpr int presetLevelCount = 3;

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

// The level a requested index selects: the presets and the custom level as they are. Only a
// damaged records file names others: below 0 is the default level, above the custom one
// the custom level.
std::int16_t SelectableLevel(std::int16_t index);

// Only the preset levels keep a best time; a custom field has no row in the table.
constexpr bool KeepsRecords(std::int16_t level) {
    return level >= 0 && level < presetLevelCount;
}

// The field of a preset level.
FieldSize PresetField(int level);

} // namespace torvane::game
