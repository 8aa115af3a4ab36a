#pragma once

#include <QColor>
#include <cstdint>

namespace torvane::status {

// Colours as 0x00BBGGRR, the form the counter's and the face's states are known by.
using Colour = std::uint32_t;

namespace colour {
inline constexpr Colour red = 255;
inline constexpr Colour green = 65280;
inline constexpr Colour lightGrey = 12632256;
} // namespace colour

inline QColor ToQColor(Colour c) {
    return QColor(static_cast<int>(c & 0xff), static_cast<int>((c >> 8) & 0xff),
                  static_cast<int>((c >> 16) & 0xff));
}

} // namespace torvane::status
