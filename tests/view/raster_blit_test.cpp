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

// The one-pass masked tile against its two raster operations, for blocks wider and
// narrower than one step of four pixels, clipped on every side of the destination.
TEST(MaskedBlit, EqualsMaskAndThenTile) {
    struct Case {
        int x, y, w, h;
    };
    const Case cases[] = {{3, 4, 19, 24},   {0, 0, 1, 1},     {5, 2, 3, 7},       {7, 1, 4, 24},
                          {2, 9, 5, 10},    {11, 3, 8, 24},   {-5, -3, 19, 24},   {30, 20, 19, 24},
                          {-18, 6, 19, 24}, {38, 26, 19, 24}, {100, 100, 19, 24}, {0, -24, 19, 24}};
    const QImage src = Noise(80, 24, 3);
    const int mask = 57;
    const int tile = 19;
    for (const Case c : cases) {
        QImage mine = Noise(40, 30, 4);
        QImage theirs = mine;
        MaskedBlit(mine, c.x, c.y, c.w, c.h, src, mask, 0, tile, 0);
        BitBlt(theirs, c.x, c.y, c.w, c.h, src, mask, 0, RasterOp::SourceAnd);
        BitBlt(theirs, c.x, c.y, c.w, c.h, src, tile, 0, RasterOp::SourcePaint);
        EXPECT_EQ(mine, theirs) << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
}

} // namespace
} // namespace torvane::platform
