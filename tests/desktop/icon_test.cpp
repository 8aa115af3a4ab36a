#include <QColor>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

const std::vector<int> kSizes{TORVANE_ICON_SIZES};

QImage Load(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

QImage Icon(int size) {
    return Load(QStringLiteral(TORVANE_ICON_FOLDER "/%1x%1/" TORVANE_APP_ID ".png").arg(size));
}

bool Near(QRgb a, QRgb b) {
    const auto close = [](int x, int y) { return std::abs(x - y) <= 2; };
    return close(qAlpha(a), qAlpha(b)) &&
           (qAlpha(a) == 0 ||
            (close(qRed(a), qRed(b)) && close(qGreen(a), qGreen(b)) && close(qBlue(a), qBlue(b))));
}

// At whole multiples of the window icon's size each pixel becomes a sharp square block.
TEST(Icons, WholeFactorsRepeatEveryPixel) {
    const QImage window = Load(QStringLiteral(TORVANE_WINDOW_ICON));
    ASSERT_EQ(window.size(), QSize(32, 32));
    for (const int size : kSizes) {
        if (size % window.width() != 0) {
            continue;
        }
        const QImage icon = Icon(size);
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        const int factor = size / window.width();
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                ASSERT_EQ(icon.pixel(x, y), window.pixel(x / factor, y / factor))
                    << size << " at " << x << "," << y;
            }
        }
    }
}

// Sizes without a whole factor average areas: a pixel that covers only one colour of the
// window icon keeps that colour, with no blur spilling in from further away.
TEST(Icons, OtherSizesAverageOnlyTheAreaTheyCover) {
    const QImage window = Load(QStringLiteral(TORVANE_WINDOW_ICON));
    const int side = window.width();
    for (const int size : kSizes) {
        if (size % side == 0) {
            continue;
        }
        const QImage icon = Icon(size);
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        int checked = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                // Window pixels under the icon pixel: [x * side / size, (x + 1) * side / size).
                const int left = x * side / size;
                const int right = ((x + 1) * side + size - 1) / size;
                const int top = y * side / size;
                const int bottom = ((y + 1) * side + size - 1) / size;
                bool uniform = true;
                for (int v = top; v < bottom; ++v) {
                    for (int u = left; u < right; ++u) {
                        uniform = uniform && window.pixel(u, v) == window.pixel(left, top);
                    }
                }
                if (uniform) {
                    ++checked;
                    EXPECT_TRUE(Near(icon.pixel(x, y), window.pixel(left, top)))
                        << size << " at " << x << "," << y << ": " << std::hex << icon.pixel(x, y)
                        << " for " << window.pixel(left, top);
                }
            }
        }
        EXPECT_GT(checked, size * size / 2) << size;
    }
}

} // namespace
