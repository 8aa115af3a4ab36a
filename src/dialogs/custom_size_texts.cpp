#include "dialogs/custom_size_texts.h"

#include "game/custom_size.h"
#include "platform/text_number.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace torvane::dialogs {

namespace {

// A whole number for any text: the 16-bit conversion when it succeeds, else the leading
// number, bounded to 16 bits and rounded with halves to the even neighbour.
int wholeNumber(const QString& text) {
    if (const auto converted = platform::toInt16(text)) {
        return *converted;
    }
    const double value = platform::numericValue(text);
    if (std::isnan(value)) {
        return 0;
    }
    const double bounded = std::clamp(value, double{std::numeric_limits<std::int16_t>::min()},
                                      double{std::numeric_limits<std::int16_t>::max()});
    return static_cast<int>(std::nearbyint(bounded)); // halves to the even neighbour
}

game::TypedSize typedSize(const CustomSizeTexts& texts) {
    return {platform::numericValue(texts[0]), platform::numericValue(texts[1]),
            platform::numericValue(texts[2])};
}

} // namespace

CustomSizeTexts textsOf(game::FieldSize size) {
    return {platform::decimalText(size.columns), platform::decimalText(size.rows),
            platform::decimalText(size.mines)};
}

CustomSizeTexts correctCustomTexts(CustomSizeTexts texts) {
    const game::SizeCorrection correction = game::correctCustomSize(typedSize(texts));
    const std::array replacements{correction.columns, correction.rows, correction.mines};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (replacements[i]) {
            texts[i] = platform::decimalText(*replacements[i]);
        }
    }
    return texts;
}

game::FieldSize customFieldFromTexts(const CustomSizeTexts& texts) {
    return game::customField({wholeNumber(texts[0]), wholeNumber(texts[1]), wholeNumber(texts[2])},
                             typedSize(texts));
}

} // namespace torvane::dialogs
