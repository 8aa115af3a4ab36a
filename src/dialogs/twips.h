#pragma once

#include <QRect>

namespace torvane::dialogs {

// Form designs are measured in twips; at 96 dots per inch 15 twips make a pixel.
constexpr int Pixels(int twips) {
    return (twips + 7) / 15; // nearest pixel
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

} // namespace torvane::dialogs
