#pragma once

#include <QSize>

namespace torvane::view {

// Device pixels per pixel of the game on a screen whose available area is this many device
// pixels, at this logical DPI (96 at a scale of 100%): a whole number, so the pixel art stays
// sharp and every cell is as far from the next; the desktop's scale to the nearest whole number,
// a half rounded down (150% gives 1), but no more than lets the biggest window, a custom 30 x 30
// field with its menu and a window manager's frame, fit the area; and at least 1.
int wholeScaleFactor(QSize available, double logicalDpi);

// The room the choice above gives the biggest window at a factor: its client area, menu bar and a
// window manager's frame that grows with the desktop's scale.
QSize framedBiggestWindow(int factor, double logicalDpi);

// The factor the toolkit itself takes for the desktop's scale on X11, the same on every screen: a
// fraction from .75 rounds up, anything less down; at least 1.
int toolkitScaleFactor(double logicalDpi);

// Before the application is made: gives each X monitor the factor above, unless the player set
// the toolkit's own scale variables. Elsewhere the toolkit rounds the desktop's scale itself,
// a half down.
void chooseWholeScaleFactors();

} // namespace torvane::view
