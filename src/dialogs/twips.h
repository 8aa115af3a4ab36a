#pragma once

#include <QRect>

namespace torvane::dialogs {

// Form designs are measured in twips; at 96 dots per inch 15 twips make a pixel.
constexpr int pixels(int twips) {
    return (twips + 7) / 15; // nearest pixel
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

} // namespace torvane::dialogs
