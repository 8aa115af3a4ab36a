// Finds the field of the main window, as captured under X11, in a picture of a whole Wayland
// screen, pixel for pixel.
// Usage: field_match X11_WINDOW.png SCREEN.png
// Exits 0 when the field is there (and says where), 1 when it is not, 2 when a picture is missing.
#include "view/main_window.h"

#include <QImage>
#include <QRect>
#include <cstdio>
#include <cstring>

namespace {

using torvane::view::MainWindow;

// Where the field's top-left corner is in the screen, if anywhere.
bool Find(const QImage& field, const QImage& screen, QPoint& found) {
    const auto rowBytes = static_cast<std::size_t>(field.width()) * 4;
    for (int y = 0; y + field.height() <= screen.height(); ++y) {
        for (int x = 0; x + field.width() <= screen.width(); ++x) {
            int row = 0;
            while (row < field.height() &&
                   std::memcmp(screen.constScanLine(y + row) + std::size_t(x) * 4,
                               field.constScanLine(row), rowBytes) == 0) {
                ++row;
            }
            if (row == field.height()) {
                found = {x, y};
                return true;
            }
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: field_match X11_WINDOW.png SCREEN.png\n");
        return 2;
    }
    const QImage window =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage screen =
        QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (window.isNull() || screen.isNull()) {
        std::fprintf(stderr, "field_match: cannot read %s\n", window.isNull() ? argv[1] : argv[2]);
        return 2;
    }
    // The client area holds the field picture, its border included, inside these margins.
    const QRect fieldRect(MainWindow::marginLeft, MainWindow::marginTop,
                          window.width() - MainWindow::marginLeft - MainWindow::marginRight,
                          window.height() - MainWindow::marginTop - MainWindow::marginBottom);
    const QImage field = window.copy(fieldRect);
    QPoint found;
    if (!Find(field, screen, found)) {
        std::printf("field_match: the %dx%d field is not on the screen\n", field.width(),
                    field.height());
        return 1;
    }
    std::printf("field_match: the %dx%d field is at %d,%d\n", field.width(), field.height(),
                found.x(), found.y());
    return 0;
}
