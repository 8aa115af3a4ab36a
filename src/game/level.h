#pragma once

namespace torvane::game {

// Levels as the menu and the records file number them.
enum Level : int { Beginner = 0, Intermediate = 1, Expert = 2, Custom = 3 };
inline constexpr int presetLevelCount = 3;
// A first start plays this level.
inline constexpr Level firstLevel = Intermediate;

struct FieldSize {
    int columns = 0;
    int rows = 0;
    int mines = 0;
    friend bool operator==(FieldSize, FieldSize) = default;
};

// A field the game can lay and finish: 1 to 30 columns and rows, and at least one safe cell
// beside the mines.
bool isPlayable(FieldSize size);

// The level an index selects: the presets and the custom level as they are. Only a damaged
// records file names others: below 0 is the first start's level, above the custom one the
// custom level.
Level selectableLevel(int index);

// Only the preset levels keep a best time; a custom field has no row in the table.
constexpr bool keepsRecords(int level) {
    return level >= 0 && level < presetLevelCount;
}

// The field of a preset level.
FieldSize presetField(Level level);

// The field a level plays: a preset's own, or the custom one.
inline FieldSize levelField(Level level, FieldSize custom) {
    return keepsRecords(level) ? presetField(level) : custom;
}

} // namespace torvane::game
