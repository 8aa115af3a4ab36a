#include "view/raster_blit.h"

#include <QPainter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

QImage noise(int width, int height, quint32 seed) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, 0xff000000u | (random.generate() & 0xffffffu));
        }
    }
    return image;
}

// The one-pass masked tile against the toolkit's own two raster operations, for blocks
// wider and narrower than one step of four pixels, clipped on every side.
TEST(MaskedBlit, EqualsMaskAndThenTile) {
    struct Case {
        const char* name;
        int x, y, w, h;
    };
    const Case cases[] = {
        {"a whole tile inside", 3, 4, 19, 24},
        {"one pixel", 0, 0, 1, 1},
        {"narrower than one step", 5, 2, 3, 7},
        {"exactly one step wide", 7, 1, 4, 24},
        {"one step and a pixel wide", 2, 9, 5, 10},
        {"two steps wide", 11, 3, 8, 24},
        {"clipped at the top left", -5, -3, 19, 24},
        {"clipped at the bottom right", 30, 20, 19, 24},
        {"clipped to its last column on the left", -18, 6, 19, 24},
        {"clipped to a small corner at the bottom right", 38, 26, 19, 24},
        {"wholly outside", 100, 100, 19, 24},
        {"just above, nothing left", 0, -24, 19, 24},
    };
    const QImage src = noise(80, 24, 3);
    const int mask = 57;
    const int tile = 19;
    for (const Case c : cases) {
        SCOPED_TRACE(c.name);
        QImage mine = noise(40, 30, 4);
        QImage theirs = mine;
        maskedBlit(mine, c.x, c.y, c.w, c.h, src, mask, 0, tile, 0);
        QPainter painter(&theirs);
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(QPoint(c.x, c.y), src, QRect(mask, 0, c.w, c.h));
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.drawImage(QPoint(c.x, c.y), src, QRect(tile, 0, c.w, c.h));
        painter.end();
        EXPECT_EQ(mine, theirs) << c.x << "," << c.y << " " << c.w << "x" << c.h;
    }
}

} // namespace
} // namespace torvane::view
