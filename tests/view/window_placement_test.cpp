#include "dialogs/testing/fake_modal_runner.h"
#include "view/main_window.h"
#include "view/testing/controls.h"

#include <QAction>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

using testing::Control;

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
        MainWindow window;
        window.selectLevel(game::Beginner);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QRect area = window.screen()->availableGeometry();
        const QPoint start = area.bottomRight() + QPoint(1, 1) + c.from;
        window.move(start);
        QCoreApplication::processEvents();
        ASSERT_EQ(window.frameGeometry().topLeft(), start) << c.what;
        ASSERT_TRUE(area.contains(window.frameGeometry())) << c.what;

        Control<QAction>(window, "menuLevel_2").trigger();
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
    MainWindow window;
    auto runner = std::make_unique<dialogs::testing::FakeModalRunner>();
    dialogs::testing::FakeModalRunner& modal = *runner;
    window.SetModalRunner(std::move(runner));
    for (const char* item : {"menuCustom", "menuBest"}) {
        Control<QAction>(window, item).trigger();
        const QDialog& dialog = *modal.shown.back();
        EXPECT_EQ(dialog.parentWidget(), &window) << item;
        EXPECT_EQ(dialog.windowType(), Qt::Dialog) << item;
        EXPECT_TRUE(dialog.isModal()) << item;
        EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint) << item;
        EXPECT_FALSE(dialog.windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))
            << item;
    }
}

} // namespace
} // namespace torvane::view
