#include "platform/raster_blit.h"

#include <algorithm>
#include <cassert>

namespace torvane::platform {

// Straight over the scan lines: a QPainter per cell costs more than the blit itself.
void BitBlt(QImage& dest, int x, int y, int w, int h, const QImage& src, int sx, int sy,
            RasterOp op) {
    assert(dest.format() == QImage::Format_RGB32 && src.format() == QImage::Format_RGB32);
    // Clip the block to the source, then to the destination.
    const int left = std::max({0, -x, -sx});
    const int top = std::max({0, -y, -sy});
    const int right = std::min({w, dest.width() - x, src.width() - sx});
    const int bottom = std::min({h, dest.height() - y, src.height() - sy});
    if (left >= right || top >= bottom) {
        return;
    }
    const int count = right - left;
    for (int row = top; row < bottom; ++row) {
        auto* to = reinterpret_cast<QRgb*>(dest.scanLine(y + row)) + x + left;
        const auto* from = reinterpret_cast<const QRgb*>(src.constScanLine(sy + row)) + sx + left;
        if (op == RasterOp::SourceAnd) {
            for (int i = 0; i < count; ++i) {
                to[i] &= from[i];
            }
        } else {
            for (int i = 0; i < count; ++i) {
                to[i] |= from[i];
            }
        }
    }
}

} // namespace torvane::platform
