#include "app/testing/testing_program.h"
#include "view/x_monitors.h"

#include <QProcess>
#include <QScreen>
#include <QWindow>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

using app::testing::TestingProgram;

// Under a real window manager the frame has a title bar: an intermediate window whose frame
// sits in the bottom-right corner keeps its whole frame on the screen at the expert level.
TEST(FramedWindow, TheExpertLevelKeepsTheWholeFrameOfACornerWindowOnTheScreen) {
    TestingProgram program;
    MainWindow& window = program.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(1500); // the window manager frames the window, and placement stops centring it
    const QMargins margins = window.windowHandle()->frameMargins();
    ASSERT_GT(margins.top(), margins.bottom()) << "no title bar: no window manager?";
    const QRect area = window.screen()->availableGeometry();
    window.move(area.bottomRight() + QPoint(1, 1) -
                QPoint(window.frameGeometry().width(), window.frameGeometry().height()));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window.frameGeometry().bottomRight() == area.bottomRight(); }, 3000))
        << "frame at " << window.frameGeometry().x() << "," << window.frameGeometry().y();

    program.playLevel(game::Expert);
    const auto frame = [&window] { return window.frameGeometry(); };
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return frame().width() > 550 && area.contains(frame()); }, 3000))
        << "frame " << frame().x() << "," << frame().y() << " " << frame().width() << "x"
        << frame().height();
    EXPECT_EQ(frame().bottomRight(), area.bottomRight()); // moved by the least
}

// A window the player moves while placement still watches the window manager framing it stays
// where it was put: placement centres it again only when the frame's margins change.
TEST(FramedWindow, AWindowMovedInItsFirstSecondStaysWhereItWasPut) {
    TestingProgram program;
    MainWindow& window = program.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const bool framed = QTest::qWaitFor(
        [&] {
            const QMargins margins = window.windowHandle()->frameMargins();
            return margins.top() > margins.bottom();
        },
        800);
    if (!framed) { // a window manager this slow leaves no first second to move the window in
        GTEST_SKIP() << "not framed within the first second";
    }
    const QPoint corner = window.screen()->availableGeometry().topLeft() + QPoint(30, 40);
    window.move(corner);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry().topLeft() == corner; }, 500));
    QTest::qWait(1500); // past the time placement watches the framing
    EXPECT_EQ(window.frameGeometry().topLeft(), corner)
        << "frame at " << window.frameGeometry().x() << "," << window.frameGeometry().y();
}

// A monitor's room is what the desktop's panels leave of it: the work area the window manager
// publishes, here a panel of 30 pixels along the top and one of 24 along the bottom.
TEST(FramedWindow, AMonitorsRoomLeavesOutTheDesktopsPanels) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xprop"),
                                {QStringLiteral("-root"), QStringLiteral("-f"),
                                 QStringLiteral("_NET_WORKAREA"), QStringLiteral("32c"),
                                 QStringLiteral("-set"), QStringLiteral("_NET_WORKAREA"),
                                 QStringLiteral("0, 30, 1280, 970")}),
              0);
    const std::optional<XMonitors> x = readXMonitors();
    ASSERT_TRUE(x.has_value()) << "no RandR 1.5";
    ASSERT_EQ(x->monitors.size(), 1u);
    EXPECT_EQ(x->monitors.front().available, QRect(0, 30, 1280, 970));
}

} // namespace
} // namespace torvane::view
