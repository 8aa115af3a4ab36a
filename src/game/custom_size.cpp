#include "game/custom_size.h"

#include <cassert>
#include <cmath>

namespace torvane::game {

namespace {

constexpr int fewest = 8;
constexpr int most = 30;

std::optional<int> correctedSide(double& value) {
    std::optional<int> replaced;
    if (value < fewest) {
        replaced = fewest;
        value = fewest;
    }
    if (value > most) {
        replaced = most;
        value = most;
    }
    return replaced;
}

} // namespace

SizeCorrection correctCustomSize(TypedSize typed) {
    SizeCorrection correction;
    correction.columns = correctedSide(typed.columns);
    correction.rows = correctedSide(typed.rows);
    if (typed.mines < fewest) {
        correction.mines = fewest;
        typed.mines = fewest;
    }
    const double limit = typed.columns * typed.rows / 3.0;
    if (limit < typed.mines) {
        // Columns and rows lie in 8..30 by now, so the limit is a modest positive number.
        correction.mines = static_cast<int>(std::floor(limit));
    }
    return correction;
}

FieldSize customField(FieldSize typedWhole, TypedSize typed) {
    if (isPlayable(typedWhole)) {
        return typedWhole;
    }
    const SizeCorrection correction = correctCustomSize(typed);
    const FieldSize corrected{correction.columns.value_or(typedWhole.columns),
                              correction.rows.value_or(typedWhole.rows),
                              correction.mines.value_or(typedWhole.mines)};
    assert(isPlayable(corrected));
    return corrected;
}

} // namespace torvane::game
