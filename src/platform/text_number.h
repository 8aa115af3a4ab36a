#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace torvane::platform {

// The number written at the start of a text, leading blanks skipped, reading stopping
// at the first character that cannot continue it; 0 when the text starts with none.
// "12abc" is 12, " 8.5" is 8.5, "x12" is 0.
double numericValue(QStringView text);

// A whole text as a 16-bit integer: blanks around it ignored, a fraction rounded to
// the nearest whole number with halves to the even one. Nothing when the text is not
// a number ("", "abc", "12abc") or its value lies outside -32768..32767.
std::optional<std::int16_t> toInt16(QStringView text);

// Shortest decimal form, a leading minus sign when negative: "0", "35", "-2".
QString decimalText(long long value);

} // namespace torvane::platform
