#include "app/testing/testing_program.h"
#include "view/window_placement.h"

#include <QDialog>
#include <QScreen>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

using app::testing::TestingProgram;
using testing::control;

// The frame is the client area grown by the window manager's margins: under openbox a 1-pixel
// border and a 20-pixel title bar above.
TEST(WindowPlacement, TheWholeFrameTitleBarIncludedStaysOnTheAvailableArea) {
    const QMargins openbox(1, 20, 1, 1);
    const QRect screen(0, 0, 1280, 1024);
    const QSize intermediate(317, 341);
    const QSize expert(569, 341);
    struct Case {
        const char* what;
        QPoint from;
        QSize client;
        QMargins margins;
        QRect available;
        QPoint expected;
    };
    const Case cases[] = {
        {"fits", {100, 50}, expert, openbox, screen, {100, 50}},
        // An intermediate frame at the bottom-right corner switching to the expert level.
        {"past the right edge", {961, 662}, expert, openbox, screen, {709, 662}},
        {"past the bottom by the title bar", {100, 670}, expert, openbox, screen, {100, 662}},
        {"past both", {1000, 900}, expert, openbox, screen, {709, 662}},
        {"exactly at the corner", {709, 662}, expert, openbox, screen, {709, 662}},
        {"without a frame", {1000, 900}, expert, {}, screen, {711, 683}},
        {"left of and above the area", {-40, -5}, intermediate, openbox, screen, {0, 0}},
        {"under a panel", {20, 10}, intermediate, openbox, {0, 30, 1280, 994}, {20, 30}},
        {"beside a panel", {1000, 700}, expert, openbox, {40, 0, 1240, 1000}, {709, 638}},
        {"larger than the area", {50, 50}, expert, openbox, {0, 0, 500, 300}, {0, 0}},
    };
    for (const Case& c : cases) {
        const QSize frame = c.client.grownBy(c.margins);
        const QPoint placed = frameKeptOnScreen(c.from, frame, c.available);
        EXPECT_EQ(placed, c.expected) << c.what;
        if (frame.width() <= c.available.width() && frame.height() <= c.available.height()) {
            EXPECT_TRUE(c.available.contains(QRect(placed, frame))) << c.what;
        }
    }
}

TEST(WindowPlacement, AFrameIsCentredOnTheAvailableArea) {
    struct Case {
        const char* name;
        QSize frame;
        QRect available;
        QPoint expected;
    };
    for (const Case c : {Case{"on the whole screen", {571, 362}, {0, 0, 1280, 1024}, {354, 331}},
                         Case{"below a panel", {320, 362}, {0, 30, 1280, 994}, {480, 346}},
                         Case{"wider than the area, over both its sides",
                              {1400, 362},
                              {0, 0, 1280, 1024},
                              {-60, 331}}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(centredFrame(c.frame, c.available), c.expected);
    }
}

// From a beginner's window whose frame's top-left corner is placed, to the expert level.
TEST(WindowPlacement, ABiggerLevelMovesTheFrameTheLeastThatKeepsItOnTheScreen) {
    struct Case {
        const char* what;
        QPoint from; // from the screen's bottom-right corner
        bool movesLeft, movesUp;
    };
    const Case cases[] = {
        {"fits", {-700, -500}, false, false},
        {"past the right edge", {-250, -500}, true, false},
        {"past the bottom edge", {-700, -250}, false, true},
        {"past both", {-250, -250}, true, true},
    };
    for (const Case& c : cases) {
        TestingProgram program;
        MainWindow& window = program.window();
        program.playLevel(game::Beginner);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QRect area = window.screen()->availableGeometry();
        const QPoint start = area.bottomRight() + QPoint(1, 1) + c.from;
        window.move(start);
        QCoreApplication::processEvents();
        ASSERT_EQ(window.frameGeometry().topLeft(), start) << c.what;
        ASSERT_TRUE(area.contains(window.frameGeometry())) << c.what;

        program.playLevel(game::Expert);
        QCoreApplication::processEvents();
        const QRect frame = window.frameGeometry();
        ASSERT_GT(frame.width(), 550) << c.what; // the expert's frame
        EXPECT_TRUE(area.contains(frame)) << c.what;
        EXPECT_EQ(frame.left(), c.movesLeft ? area.right() - frame.width() + 1 : start.x())
            << c.what;
        EXPECT_EQ(frame.top(), c.movesUp ? area.bottom() - frame.height() + 1 : start.y())
            << c.what;
    }
}

// Both dialogs stay on top of the window they belong to, and block it while they are up.
TEST(WindowPlacement, DialogsAreModalDialogsOfTheMainWindow) {
    TestingProgram program;
    for (const QLatin1StringView item : {controlName::customItem, controlName::bestTimesItem}) {
        program.item(item).trigger();
        const QDialog& dialog = *program.modal().shown.back();
        EXPECT_EQ(dialog.parentWidget(), &program.window()) << item.data();
        EXPECT_EQ(dialog.windowType(), Qt::Dialog) << item.data();
        EXPECT_TRUE(dialog.isModal()) << item.data();
        EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint) << item.data();
        EXPECT_FALSE(dialog.windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))
            << item.data();
    }
}

} // namespace
} // namespace torvane::view
