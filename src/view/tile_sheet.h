#pragma once

#include "game/tile.h"

#include <QImage>

namespace torvane::view {

inline constexpr int maskColumn = 247;

// The sheet of 13 tiles and their mask, loaded once, as Format_RGB32 for blitting.
const QImage& TileSheet();

constexpr int TileColumn(game::TileIndex t) {
    return 19 * t;
}

} // namespace torvane::view
