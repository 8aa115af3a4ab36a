#include "game/hex_geometry.h"

#include <cmath>

namespace torvane::game {

std::optional<Cell> CellAt(float X, float Y, int fieldWidth, int fieldHeight) {
    const float row = std::floor((Y - float{hitTop}) / float{rowPitch});
    // Compare as floats first: a far-away or non-finite point must not reach an int cast.
    if (!(row >= 0.0f && row < static_cast<float>(fieldHeight))) {
        return std::nullopt;
    }
    const bool even = IsEvenRow(static_cast<int>(row));
    const float column =
        std::floor(even ? (X - float{evenRowShift}) / float{cellPitch} : X / float{cellPitch});
    if (!(column >= 0.0f && column < static_cast<float>(fieldWidth))) {
        return std::nullopt;
    }
    return Cell{static_cast<std::int16_t>(column), static_cast<std::int16_t>(row)};
}

} // namespace torvane::game
