#include "app/testing/testing_program.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

using app::testing::TestingProgram;

// At twice the pixels every pixel of the field becomes a 2 x 2 block of the same colour:
// whole-pixel scaling, no smoothing.
TEST(HighDpi, TheFieldIsScaledByWholePixelsWithoutSmoothing) {
    TestingProgram program;
    program.playLevel(game::Beginner);
    program.pressCell(Qt::LeftButton, {3, 3}); // some open cells beside covered ones
    FieldView& field = program.field();
    ASSERT_EQ(field.devicePixelRatio(), 2.0);
    const QImage screen = field.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& image = field.image();
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
    TestingProgram program;
    program.playLevel(game::Intermediate);
    for (const game::Cell cell :
         {game::Cell{0, 0}, game::Cell{15, 15}, game::Cell{7, 4}, game::Cell{3, 9}}) {
        program.pressCell(Qt::RightButton, cell);
        EXPECT_EQ(program.game().cellAt(cell).kind, game::CellState::Flagged)
            << cell.x << "," << cell.y;
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
