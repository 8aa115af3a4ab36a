#include "dialogs/custom_dialog.h"
#include "dialogs/scores_dialog.h"

#include <gtest/gtest.h>
#include <memory>

namespace torvane::dialogs {
namespace {

TEST(DialogForm, BothDialogsAreFixedModalFramesOfTheirDesignSize) {
    struct Case {
        std::unique_ptr<QDialog> dialog;
        const char16_t* name;
        const char16_t* caption;
        QSize size;
    };
    CustomSizeTexts texts;
    const store::BestTimes bestTimes;
    Case cases[] = {
        {std::make_unique<CustomDialog>(texts), u"formCustom", u"自定义难度", {191, 82}},
        {std::make_unique<ScoresDialog>(bestTimes), u"formScores", u"成绩榜", {304, 137}},
    };
    for (const Case& c : cases) {
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
