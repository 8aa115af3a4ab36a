#pragma once

#include "game/level.h"

#include <QString>
#include <array>

namespace torvane::dialogs {

// The custom size as the player last typed it or the game set it: columns, rows and mines,
// texts that need not be sound numbers at all ("12abc").
using CustomSizeTexts = std::array<QString, 3>;

// The decimal texts of a field's size.
CustomSizeTexts textsOf(game::FieldSize size);

// What "确定" does to the three boxes: each text out of bounds is replaced by the bound, and a
// text whose leading number is in bounds stays as typed.
CustomSizeTexts correctCustomTexts(CustomSizeTexts texts);

// The custom level's field from the three texts; always playable.
game::FieldSize customFieldFromTexts(const CustomSizeTexts& texts);

} // namespace torvane::dialogs
