#include "dialogs/custom_dialog.h"
#include "dialogs/scores_dialog.h"
#include "platform/control_names.h"

#include <gtest/gtest.h>
#include <memory>

namespace torvane::dialogs {
namespace {

TEST(DialogForm, BothDialogsAreFixedModalFramesOfTheirDesignSize) {
    struct Case {
        std::unique_ptr<QDialog> dialog;
        QLatin1StringView name;
        const char16_t* caption;
        QSize size;
    };
    Case cases[] = {
        {std::make_unique<CustomDialog>(), controlName::customDialog, u"自定义难度", {191, 82}},
        {std::make_unique<ScoresDialog>(), controlName::bestTimesDialog, u"成绩榜", {304, 137}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString(c.name).toStdString());
        const QDialog& dialog = *c.dialog;
        EXPECT_EQ(dialog.objectName(), c.name);
        EXPECT_EQ(dialog.windowTitle(), c.caption);
        EXPECT_EQ(dialog.minimumSize(), c.size);
        EXPECT_EQ(dialog.maximumSize(), c.size);
        EXPECT_TRUE(dialog.isModal());
        const Qt::WindowFlags flags = dialog.windowFlags();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(dialog.windowIcon().isNull());
    }
}

} // namespace
} // namespace torvane::dialogs
