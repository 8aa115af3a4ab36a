#pragma once

#include <QImage>

namespace torvane::platform {

// The two raster operations the field is drawn with.
enum class RasterOp {
    SourceAnd,  // dest = src AND dest: a mask clears its black pixels
    SourcePaint // dest = src OR dest: a tile paints into the cleared area
};

// Combines a w x h block of src at (sx, sy) into dest at (x, y), clipped to both
// images. Both must be QImage::Format_RGB32.
void BitBlt(QImage& dest, int x, int y, int w, int h, const QImage& src, int sx, int sy,
            RasterOp op);

// A masked tile in one pass: dest = (dest AND mask) OR tile over a w x h block, the
// mask at (mx, my) and the tile at (tx, ty) of src. The same pixels as SourceAnd with
// the mask then SourcePaint with the tile, where the block is clipped to dest and to
// both source blocks. dest and src are different images.
void MaskedBlit(QImage& dest, int x, int y, int w, int h, const QImage& src, int mx, int my, int tx,
                int ty);

} // namespace torvane::platform
