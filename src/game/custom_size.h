#pragma once

#include "game/level.h"

#include <optional>

namespace torvane::game {

// The custom size as the player typed it: each box's leading number, whatever follows it.
struct TypedSize {
    double columns = 0;
    double rows = 0;
    double mines = 0;
};

// The whole numbers that replace typed values out of bounds; a value in bounds stays as typed.
struct SizeCorrection {
    std::optional<int> columns;
    std::optional<int> rows;
    std::optional<int> mines;
};

// Columns and rows into 8..30, mines at least 8 and at most a third of the cells, each bound
// tested on the value as corrected so far.
SizeCorrection correctCustomSize(TypedSize typed);

// The custom level's field, always playable: the typed whole numbers when they make a playable
// field, else those numbers as the correction leaves them.
FieldSize customField(FieldSize typedWhole, TypedSize typed);

// The same for whole numbers, as the records file keeps them.
inline FieldSize customField(FieldSize whole) {
    return customField(whole, {double(whole.columns), double(whole.rows), double(whole.mines)});
}

} // namespace torvane::game
