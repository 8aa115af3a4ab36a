#pragma once

#include <QColor>

namespace torvane::status {

// The counter's two modes and the face's three states are told apart by colour.
inline const QColor clockColour{255, 0, 0};
inline const QColor minesLeftColour{255, 0, 0};
inline const QColor cellsLeftColour{0, 255, 0};
inline const QColor playingFaceColour{192, 192, 192};
inline const QColor wonFaceColour{0, 255, 0};
inline const QColor lostFaceColour{255, 0, 0};

} // namespace torvane::status
