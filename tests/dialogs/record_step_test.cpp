#include "dialogs/record_step.h"
#include "dialogs/scores_dialog.h"
#include "dialogs/testing/fake_modal_runner.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace torvane::dialogs {
namespace {

using testing::FakeModalRunner;

struct Case {
    const char* what;
    std::int16_t level;
    const char16_t* best;
    const char16_t* clock;
    const char16_t* answer;
    bool record; // the time is replaced, the name asked for and the table shown
    const char16_t* name;
};

const Case cases[] = {
    {"equal at the cap", 0, u"999", u"999", u"Ann", false, nullptr},
    {"equal time", 0, u"35", u"35", u"Ann", false, nullptr},
    {"one second better", 0, u"35", u"34", u"Ann", true, u"Ann"},
    {"compared as numbers", 1, u"100", u"99", u"Bo", true, u"Bo"},
    {"compared as numbers, not text", 2, u"35", u"9", u"Cy", true, u"Cy"},
    {"a blank before the best", 1, u" 35", u"34", u"Di", true, u"Di"},
    {"cancelled or emptied", 0, u"35", u"34", u"", true, u"无名菜鸟"},
    {"a single blank is a name", 2, u"999", u"1", u" ", true, u" "},
    {"a line break is kept", 1, u"999", u"1", u"a\nb", true, u"a\nb"},
    {"a best without a number counts as 0", 0, u"abc", u"1", u"Ed", false, nullptr},
    {"a best of 0 is never beaten", 1, u"0", u"0", u"Ed", false, nullptr},
    {"custom level", 3, u"999", u"1", u"Fay", false, nullptr},
    {"damaged level", 4, u"999", u"1", u"Fay", false, nullptr},
    {"negative level", -1, u"999", u"1", u"Fay", false, nullptr},
};

TEST(RecordStep, RecordsOnlyAStrictlyBetterPresetTime) {
    for (const Case& c : cases) {
        ScoresDialog scores;
        for (int level = 0; level < 3; ++level) {
            scores.Label1(2 * level)->setText(QString::fromUtf16(c.best));
            scores.Label1(2 * level + 1)->setText(QStringLiteral("name %1").arg(level));
        }
        FakeModalRunner modal;
        modal.answer = QString::fromUtf16(c.answer);
        QString timeWhileAsking;
        if (c.level >= 0 && c.level < 3) {
            modal.whileAsking = [&] { timeWhileAsking = scores.Label1(2 * c.level)->text(); };
        }

        RecordStep(c.level, QString::fromUtf16(c.clock), scores, modal);

        for (int level = 0; level < 3; ++level) {
            const bool changed = c.record && level == c.level;
            EXPECT_EQ(scores.Label1(2 * level)->text(),
                      QString::fromUtf16(changed ? c.clock : c.best))
                << c.what << ", level " << level;
            EXPECT_EQ(scores.Label1(2 * level + 1)->text(),
                      changed ? QString::fromUtf16(c.name) : QStringLiteral("name %1").arg(level))
                << c.what << ", level " << level;
        }
        if (!c.record) {
            EXPECT_TRUE(modal.nameRequests.empty()) << c.what;
            EXPECT_TRUE(modal.shown.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(modal.nameRequests.size(), 1u) << c.what;
        EXPECT_EQ(modal.nameRequests[0].prompt, u"恭喜，请输入您的大名：");
        EXPECT_EQ(modal.nameRequests[0].title, u"继续努力");
        EXPECT_EQ(modal.nameRequests[0].preset, u"无名菜鸟");
        EXPECT_EQ(timeWhileAsking, QString::fromUtf16(c.clock)) << c.what << ": time before name";
        ASSERT_EQ(modal.shown.size(), 1u) << c.what;
        EXPECT_EQ(modal.shown[0], &scores) << c.what;
    }
}

} // namespace
} // namespace torvane::dialogs
