#include "app/testing/testing_program.h"
#include "view/scale_choice.h"

#include <gtest/gtest.h>

namespace torvane::view {
namespace {

using app::testing::TestingProgram;

// A desktop's screen, less a panel, at a scale given as a logical DPI: the factor it gets, and
// the biggest window at that factor, with a title bar that grows with the desktop, fits.
TEST(ScaleChoice, AWholeFactorAtWhichTheBiggestWindowFits) {
    TestingProgram program;
    program.playCustom({30, 30, 100});
    const QSize biggest = program.window().size();
    struct Row {
        const char* name;
        QSize screen;
        double dpi;
        int expected;
    };
    const Row table[] = {
        {"1366 x 768 at 100%", {1366, 768}, 96, 1},
        {"1920 x 1080 at 100%", {1920, 1080}, 96, 1},
        {"1920 x 1080 at 125%", {1920, 1080}, 120, 1},
        {"1920 x 1080 at 150%: a half rounds down", {1920, 1080}, 144, 1},
        {"1920 x 1080 at 175%: 2 would not fit", {1920, 1080}, 168, 1},
        {"1920 x 1080 at 200%: 2 would not fit", {1920, 1080}, 192, 1},
        {"1920 x 1200 at 200%: 2 would not fit", {1920, 1200}, 192, 1},
        {"1920 x 1300 at 200%: the frame grows with the scale", {1920, 1300}, 192, 1},
        {"2560 x 1440 at 150%", {2560, 1440}, 144, 1},
        {"2560 x 1440 at 175%", {2560, 1440}, 168, 2},
        {"2560 x 1440 at 200%", {2560, 1440}, 192, 2},
        {"3840 x 2160 at 200%", {3840, 2160}, 192, 2},
        {"3840 x 2160 at 250%: a half rounds down", {3840, 2160}, 240, 2},
        {"3840 x 2160 at 300%", {3840, 2160}, 288, 3},
        {"5120 x 2880 at 300%", {5120, 2880}, 288, 3},
        {"no DPI from the desktop", {3840, 2160}, 0, 1},
        {"too small a screen still gets 1", {800, 480}, 96, 1},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        const double desktopScale = row.dpi > 0 ? row.dpi / 96 : 1.0;
        const QSize available = row.screen - QSize(0, qRound(32 * desktopScale));
        const int factor = wholeScaleFactor(available, row.dpi);
        EXPECT_EQ(factor, row.expected);
        if (row.screen.height() >= 768) {
            const QSize framed = biggest * factor + QSize(2, 37) * desktopScale;
            EXPECT_LE(framed.width(), available.width());
            EXPECT_LE(framed.height(), available.height());
        }
    }
}

// The biggest window at a factor fits an area of exactly its size, and not one a pixel smaller.
TEST(ScaleChoice, AnExactFitIsAFit) {
    struct Row {
        const char* name;
        int factor;
        double dpi;
    };
    for (const Row& row :
         {Row{"2 at 200%", 2, 192}, Row{"2 at 175%", 2, 168}, Row{"3 at 300%", 3, 288}}) {
        SCOPED_TRACE(row.name);
        const QSize exact = framedBiggestWindow(row.factor, row.dpi);
        EXPECT_EQ(wholeScaleFactor(exact, row.dpi), row.factor);
        EXPECT_EQ(wholeScaleFactor(exact - QSize(1, 0), row.dpi), row.factor - 1);
        EXPECT_EQ(wholeScaleFactor(exact - QSize(0, 1), row.dpi), row.factor - 1);
    }
}

// The toolkit's own rounding of the desktop's scale, which a factor of 1 on every screen undoes.
TEST(ScaleChoice, TheToolkitRoundsUpFromThreeQuarters) {
    struct Row {
        const char* name;
        double dpi;
        int expected;
    };
    for (const Row& row : {Row{"no DPI", 0, 1}, Row{"100%", 96, 1}, Row{"150%", 144, 1},
                           Row{"174%", 167, 1}, Row{"175%", 168, 2}, Row{"200%", 192, 2},
                           Row{"274%", 263, 2}, Row{"275%", 264, 3}, Row{"below 100%", 72, 1}}) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(toolkitScaleFactor(row.dpi), row.expected);
    }
}

} // namespace
} // namespace torvane::view
