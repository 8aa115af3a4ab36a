#pragma once

#include "game/playable_field.h"

#include <QString>
#include <array>

namespace torvane::dialogs {

// The custom size as the player last typed it or the program set it: columns, rows and mines,
// texts that may be no sound numbers at all ("12abc").
using CustomSizeTexts = std::array<QString, 3>;

// The decimal texts of a field's size.
CustomSizeTexts TextsOf(game::FieldSize size);

// What "确定" does to the three boxes (columns, rows, mines): columns and rows into
// 8..30, mines at least 8 and at most columns x rows / 3, each test on the leading
// number of the text as corrected so far. A text whose number is in range stays as typed.
CustomSizeTexts CorrectCustomTexts(CustomSizeTexts texts);

// The custom level's field from the three box texts; always playable. Texts that make a
// playable field are played as they are; any others are played as "确定" corrects them.
game::FieldSize CustomFieldFromTexts(const CustomSizeTexts& texts);

// The field a selectable level plays: a preset's own, or the custom one from the texts.
game::FieldSize FieldOfLevel(std::int16_t level, const CustomSizeTexts& customTexts);

} // namespace torvane::dialogs
