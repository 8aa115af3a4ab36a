#include "view/tile_sheet.h"

namespace torvane::view {

const QImage& tileSheet() {
    static const QImage sheet =
        QImage(QStringLiteral(":/tiles.xpm")).convertToFormat(QImage::Format_RGB32);
    return sheet;
}

} // namespace torvane::view
