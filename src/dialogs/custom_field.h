#pragma once

#include "game/playable_field.h"

#include <QString>
#include <array>

namespace torvane::dialogs {

// What "确定" does to the three boxes (columns, rows, mines): columns and rows into
// 8..30, mines at least 8 and at most columns x rows / 3, each test on the leading
// number of the text as corrected so far. A text whose number is in range stays as typed.
std::array<QString, 3> CorrectCustomTexts(std::array<QString, 3> texts);

// The custom level's field from the three box texts; always playable. Texts that make a
// playable field are played as they are; any others are played as "确定" corrects them.
game::FieldSize CustomFieldFromTexts(const std::array<QString, 3>& texts);

} // namespace torvane::dialogs
