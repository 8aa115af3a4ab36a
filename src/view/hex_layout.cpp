#include "view/hex_layout.h"

#include <cmath>

namespace torvane::view {

std::optional<game::Cell> cellAt(float x, float y, int columns, int rows) {
    const float row = std::floor((y - float{hitTop}) / float{rowPitch});
    // Compared as floats first: a far-away or non-finite point must not reach an int cast.
    if (!(row >= 0.0f && row < static_cast<float>(rows))) {
        return std::nullopt;
    }
    const bool even = game::isEvenRow(static_cast<int>(row));
    const float column =
        std::floor(even ? (x - float{evenRowShift}) / float{cellPitch} : x / float{cellPitch});
    if (!(column >= 0.0f && column < static_cast<float>(columns))) {
        return std::nullopt;
    }
    return game::Cell{static_cast<int>(column), static_cast<int>(row)};
}

} // namespace torvane::view
