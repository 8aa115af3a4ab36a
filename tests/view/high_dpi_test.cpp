#include "view/field_view.h"
#include "view/main_window.h"
#include "view/testing/controls.h"
#include "view/tile_sheet.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

// At twice the pixels every pixel of the field becomes a 2 x 2 block of the same
// colour: whole-pixel scaling, no smoothing.
TEST(HighDpi, FieldIsScaledByWholePixelsWithoutSmoothing) {
    MainWindow window;
    window.setShowMinesLeft(true);
    window.selectLevel(0);
    window.show();
    auto& field = testing::Control<FieldView>(window, "Picture2");
    ASSERT_EQ(field.devicePixelRatio(), 2.0);
    const QImage screen = field.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& image = field.Image();
    const int border = 2 * FieldView::border;
    ASSERT_EQ(screen.width(), 2 * field.width());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected = image.pixel(x, y);
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    ASSERT_EQ(screen.pixel(border + 2 * x + dx, border + 2 * y + dy), expected)
                        << x << "," << y;
                }
            }
        }
    }
}

TEST(HighDpi, PressesStillHitTheirCells) {
    MainWindow window;
    window.setShowMinesLeft(true);
    window.selectLevel(1);
    window.show();
    auto& field = testing::Control<FieldView>(window, "Picture2");
    for (const game::Cell c :
         {game::Cell{0, 0}, game::Cell{15, 15}, game::Cell{7, 4}, game::Cell{3, 9}}) {
        const int left = (c.y % 2 == 0 ? 9 : 0) + 18 * c.x;
        const QPoint at(FieldView::border + left + 9, FieldView::border + 17 * c.y + 11);
        QTest::mouseClick(&field, Qt::RightButton, {}, at);
        EXPECT_EQ(window.game().cellView()[c.x][c.y], game::tile::flag) << c.x << "," << c.y;
    }
}

} // namespace
} // namespace torvane::view

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
