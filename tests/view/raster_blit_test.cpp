#include "platform/raster_blit.h"

#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace torvane::platform {
namespace {

QImage Noise(int w, int h, quint32 seed) {
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            image.setPixel(x, y, 0xff000000u | (random.generate() & 0xffffffu));
        }
    }
    return image;
}

// Same result as the toolkit's own raster operations, clipping included.
TEST(BitBlt, MatchesThePainterRasterOps) {
    struct Case {
        int x, y, w, h, sx, sy;
    };
    const Case cases[] = {{3, 4, 19, 24, 0, 0},    {0, 0, 19, 24, 19, 0},
                          {-5, -3, 19, 24, 10, 0}, {30, 20, 19, 24, 40, 0},
                          {38, 26, 19, 24, 0, 0},  {100, 100, 19, 24, 0, 0}};
    const QImage src = Noise(80, 24, 1);
    for (const Case c : cases) {
        for (const RasterOp op : {RasterOp::SourceAnd, RasterOp::SourcePaint}) {
            QImage mine = Noise(40, 30, 2);
            QImage theirs = mine;
            BitBlt(mine, c.x, c.y, c.w, c.h, src, c.sx, c.sy, op);
            QPainter painter(&theirs);
            painter.setCompositionMode(op == RasterOp::SourceAnd
                                           ? QPainter::RasterOp_SourceAndDestination
                                           : QPainter::RasterOp_SourceOrDestination);
            painter.drawImage(QPoint(c.x, c.y), src, QRect(c.sx, c.sy, c.w, c.h));
            painter.end();
            EXPECT_EQ(mine, theirs) << c.x << "," << c.y << " op " << static_cast<int>(op);
        }
    }
}

} // namespace
} // namespace torvane::platform
