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

// A press flags the cell whose tile shows under the pointer, near the points of the hexagon too,
// where the rows' rectangles gave the cell's neighbours.
TEST(HighDpi, APressFlagsTheCellWhoseTileShowsUnderIt) {
    TestingProgram program;
    program.playLevel(game::Intermediate);
    struct Row {
        const char* name;
        game::Cell cell;
        QPoint inTile;
    };
    const Row table[] = {
        {"the middle of the first cell", {0, 0}, {9, 12}},
        {"the middle of the last cell", {15, 15}, {9, 12}},
        {"the top point of an even row's cell", {7, 4}, {9, 1}},
        {"the bottom point of an odd row's cell", {3, 9}, {9, 22}},
        {"the upper left slope", {10, 6}, {6, 2}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        QTest::mouseClick(&program.field(), Qt::RightButton, {},
                          program.field().contentsRect().topLeft() + tilePosition(row.cell) +
                              row.inTile);
        EXPECT_EQ(program.game().cellAt(row.cell).kind, game::CellState::Flagged);
    }
    EXPECT_EQ(program.game().counterValue(), 35 - 5); // no other cell took a flag
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
