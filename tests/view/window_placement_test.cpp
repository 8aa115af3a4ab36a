#include "dialogs/testing/fake_modal_runner.h"
#include "view/main_window.h"
#include "view/testing/controls.h"

#include <QAction>
#include <gtest/gtest.h>

namespace torvane::view {
namespace {

using testing::Control;

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
