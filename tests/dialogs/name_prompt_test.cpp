#include "dialogs/name_prompt.h"
#include "dialogs/testing/fake_modal_runner.h"
#include "store/best_times.h"

#include <gtest/gtest.h>

namespace torvane::dialogs {
namespace {

TEST(NamePrompt, OffersTheUnnamedHolderAndKeepsItForAnEmptyAnswer) {
    struct Case {
        const char* what;
        const char16_t* answer; // "" also when the player cancels
        const char16_t* name;
    };
    const Case cases[] = {
        {"a name", u"Ann", u"Ann"},
        {"empty or cancelled: the unnamed holder", u"", u"无名菜鸟"},
        {"a single blank is a name", u" ", u" "},
        {"a name over two lines", u"a\nb", u"a\nb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::FakeModalRunner modal;
        modal.answer = QString::fromUtf16(c.answer);
        EXPECT_EQ(NamePrompt::ask(modal), QString::fromUtf16(c.name));
        ASSERT_EQ(modal.nameRequests.size(), 1u);
        EXPECT_TRUE(modal.shown.empty());
        const TextRequest& request = modal.nameRequests[0];
        EXPECT_EQ(request.prompt, u"恭喜，请输入您的大名：");
        EXPECT_EQ(request.title, u"继续努力");
        EXPECT_EQ(request.preset, u"无名菜鸟");
        EXPECT_EQ(request.preset, NamePrompt::unnamedHolder());
        EXPECT_EQ(request.maxLength, store::BestTimes::maxCaptionLength);
        EXPECT_EQ(request.acceptText, u"确定");
        EXPECT_EQ(request.cancelText, u"取消");
    }
}

} // namespace
} // namespace torvane::dialogs
