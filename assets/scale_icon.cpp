// Makes the launcher icons from the 32 x 32 window icon at build time, so the XPM stays the one
// picture to edit. Whole multiples of 32 repeat each pixel (the pixel art stays sharp); 16 and
// 48 have no whole factor and average areas instead: 16 halves the icon, 48 halves it after
// tripling.
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ICON.xpm OUT.png SIZE\n", argv[0]);
        return 2;
    }
    const QImage icon = QImage(QString::fromLocal8Bit(argv[1]))
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int size = QString::fromLocal8Bit(argv[3]).toInt();
    if (icon.isNull() || icon.width() != icon.height() || size < 1) {
        std::fprintf(stderr, "%s: no square icon in %s, or no size\n", argv[0], argv[1]);
        return 1;
    }
    const int side = icon.width();
    QImage scaled;
    if (size % side == 0) {
        scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        const int whole = (2 * size + side - 1) / side; // a whole factor, then down to the size
        scaled =
            icon.scaled(side * whole, side * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (!scaled.convertToFormat(QImage::Format_ARGB32)
             .save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
