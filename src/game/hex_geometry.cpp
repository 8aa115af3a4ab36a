#include "game/hex_geometry.h"

#include <cmath>

namespace torvane::game {

std::optional<Cell> CellAt(float X, float Y, int fieldWidth, int fieldHeight) {
    const float row = std::floor((Y - 3.0f) / 17.0f);
    // Compare as floats first: a far-away or non-finite point must not reach an int cast.
    if (!(row >= 0.0f && row < static_cast<float>(fieldHeight))) {
        return std::nullopt;
    }
    const bool even = IsEvenRow(static_cast<int>(row));
    const float column = std::floor(even ? (X - 9.0f) / 18.0f : X / 18.0f);
    if (!(column >= 0.0f && column < static_cast<float>(fieldWidth))) {
        return std::nullopt;
    }
    return Cell{static_cast<std::int16_t>(column), static_cast<std::int16_t>(row)};
}

} // namespace torvane::game
