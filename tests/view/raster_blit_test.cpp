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
        int x, y, w, h;
    };
    const Case cases[] = {{3, 4, 19, 24},   {0, 0, 1, 1},     {5, 2, 3, 7},       {7, 1, 4, 24},
                          {2, 9, 5, 10},    {11, 3, 8, 24},   {-5, -3, 19, 24},   {30, 20, 19, 24},
                          {-18, 6, 19, 24}, {38, 26, 19, 24}, {100, 100, 19, 24}, {0, -24, 19, 24}};
    const QImage src = noise(80, 24, 3);
    const int mask = 57;
    const int tile = 19;
    for (const Case c : cases) {
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
