#pragma once

#include "game/colour.h"

#include <QColor>

namespace torvane::status {

// The game names colours as 0x00BBGGRR.
inline QColor ToQColor(game::Colour c) {
    return QColor(static_cast<int>(c & 0xff), static_cast<int>((c >> 8) & 0xff),
                  static_cast<int>((c >> 16) & 0xff));
}

} // namespace torvane::status
