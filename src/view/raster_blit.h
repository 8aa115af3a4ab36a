#pragma once

#include <QImage>

namespace torvane::view {

// A masked tile, the two raster operations of the field in one pass: over a w x h block,
// dest = (dest AND mask) OR tile, with the mask at (mx, my) and the tile at (tx, ty) of
// src. A black-on-white mask clears the tile's area and a tile black outside it paints
// only there. The block is clipped to dest and to both source blocks; both images are
// Format_RGB32 and distinct.
void maskedBlit(QImage& dest, int x, int y, int w, int h, const QImage& src, int mx, int my, int tx,
                int ty);

} // namespace torvane::view
