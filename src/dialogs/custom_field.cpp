#include "dialogs/custom_field.h"

#include "platform/text_number.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <limits>

namespace torvane::dialogs {

namespace {

constexpr double fewest = 8.0;
constexpr double most = 30.0;

// A whole number for any text: the 16-bit conversion when it succeeds, else the leading
// number, bounded to 16 bits and rounded with halves to the even neighbour.
std::int16_t WholeNumber(const QString& text) {
    if (const auto converted = platform::ToInt16(text)) {
        return *converted;
    }
    const double value = platform::NumericValue(text);
    if (std::isnan(value)) {
        return 0;
    }
    const double bounded = std::clamp(value, double{std::numeric_limits<std::int16_t>::min()},
                                      double{std::numeric_limits<std::int16_t>::max()});
    return static_cast<std::int16_t>(std::nearbyint(bounded)); // halves to the even neighbour
}

game::FieldSize WholeNumbers(const CustomSizeTexts& texts) {
    return {WholeNumber(texts[0]), WholeNumber(texts[1]), WholeNumber(texts[2])};
}

} // namespace

CustomSizeTexts TextsOf(game::FieldSize size) {
    return {platform::DecimalText(size.columns), platform::DecimalText(size.rows),
            platform::DecimalText(size.mines)};
}

CustomSizeTexts CorrectCustomTexts(CustomSizeTexts texts) {
    const auto value = [&texts](int i) { return platform::NumericValue(texts[i]); };
    for (int side = 0; side < 2; ++side) {
        if (value(side) < fewest) {
            texts[side] = QStringLiteral("8");
        }
        if (value(side) > most) {
            texts[side] = QStringLiteral("30");
        }
    }
    if (value(2) < fewest) {
        texts[2] = QStringLiteral("8");
    }
    const double limit = value(0) * value(1) / 3.0;
    if (limit < value(2)) {
        // Columns and rows are 8..30 by now, so the limit is a modest positive number.
        texts[2] = platform::DecimalText(static_cast<long long>(std::floor(limit)));
    }
    return texts;
}

game::FieldSize CustomFieldFromTexts(const CustomSizeTexts& texts) {
    const game::FieldSize typed = WholeNumbers(texts);
    if (game::IsPlayable(typed)) {
        return typed;
    }
    // Corrected values lie in 8..30 and 8..limit, so rounding keeps a safe cell.
    const game::FieldSize corrected = WholeNumbers(CorrectCustomTexts(texts));
    assert(game::IsPlayable(corrected));
    return corrected;
}

} // namespace torvane::dialogs

namespace torvane::dialogs {

game::FieldSize FieldOfLevel(std::int16_t level, const CustomSizeTexts& customTexts) {
    return game::KeepsRecords(level) ? game::PresetField(level) : CustomFieldFromTexts(customTexts);
}

} // namespace torvane::dialogs
