#include "dialogs/record_step.h"
#include "dialogs/testing/fake_modal_runner.h"
#include "store/best_times.h"

#include <gtest/gtest.h>

namespace torvane::dialogs {
namespace {

using testing::FakeModalRunner;

struct Case {
    const char* what;
    std::int16_t level;
    const char16_t* best;
    int seconds;
    const char16_t* answer;
    bool record; // the time is replaced, the name asked for and the table shown
    const char16_t* name;
};

const Case cases[] = {
    {"equal at the cap", 0, u"999", 999, u"Ann", false, nullptr},
    {"equal time", 0, u"35", 35, u"Ann", false, nullptr},
    {"one second better", 0, u"35", 34, u"Ann", true, u"Ann"},
    {"compared as numbers", 1, u"100", 99, u"Bo", true, u"Bo"},
    {"compared as numbers, not text", 2, u"35", 9, u"Cy", true, u"Cy"},
    {"a blank before the best", 1, u" 35", 34, u"Di", true, u"Di"},
    {"cancelled or emptied", 0, u"35", 34, u"", true, u"无名菜鸟"},
    {"a single blank is a name", 2, u"999", 1, u" ", true, u" "},
    {"a line break is kept", 1, u"999", 1, u"a\nb", true, u"a\nb"},
    {"a best without a number counts as 0", 0, u"abc", 1, u"Ed", false, nullptr},
    {"a best of 0 is never beaten", 1, u"0", 0, u"Ed", false, nullptr},
    {"custom level", 3, u"999", 1, u"Fay", false, nullptr},
    {"damaged level", 4, u"999", 1, u"Fay", false, nullptr},
    {"negative level", -1, u"999", 1, u"Fay", false, nullptr},
};

TEST(RecordStep, RecordsOnlyAStrictlyBetterPresetTime) {
    for (const Case& c : cases) {
        store::BestTimes bestTimes;
        for (int level = 0; level < 3; ++level) {
            bestTimes.setTime(level, QString::fromUtf16(c.best));
            bestTimes.setName(level, QStringLiteral("name %1").arg(level));
        }
        FakeModalRunner modal;
        modal.answer = QString::fromUtf16(c.answer);
        QString timeWhileAsking;
        QString nameWhileAsking;
        if (c.level >= 0 && c.level < 3) {
            modal.whileAsking = [&] {
                timeWhileAsking = bestTimes.time(c.level);
                nameWhileAsking = bestTimes.name(c.level);
            };
        }
        int tablesShown = 0;
        QString nameWhenShown;
        const auto showTable = [&] {
            ++tablesShown;
            nameWhenShown = bestTimes.name(c.level);
        };

        EXPECT_EQ(RecordStep(c.level, c.seconds, bestTimes, modal, showTable), c.record) << c.what;

        const QString clock = QString::number(c.seconds);
        for (int level = 0; level < 3; ++level) {
            const bool changed = c.record && level == c.level;
            EXPECT_EQ(bestTimes.time(level), changed ? clock : QString::fromUtf16(c.best))
                << c.what << ", level " << level;
            EXPECT_EQ(bestTimes.name(level),
                      changed ? QString::fromUtf16(c.name) : QStringLiteral("name %1").arg(level))
                << c.what << ", level " << level;
        }
        EXPECT_TRUE(modal.shown.empty()) << c.what << ": the table is shown by the caller";
        if (!c.record) {
            EXPECT_TRUE(modal.nameRequests.empty()) << c.what;
            EXPECT_EQ(tablesShown, 0) << c.what;
            continue;
        }
        ASSERT_EQ(modal.nameRequests.size(), 1u) << c.what;
        EXPECT_EQ(modal.nameRequests[0].prompt, u"恭喜，请输入您的大名：");
        EXPECT_EQ(modal.nameRequests[0].title, u"继续努力");
        EXPECT_EQ(modal.nameRequests[0].preset, u"无名菜鸟");
        EXPECT_EQ(modal.nameRequests[0].maxLength, store::BestTimes::maxCaptionLength);
        EXPECT_EQ(timeWhileAsking, clock) << c.what << ": time before name";
        EXPECT_EQ(nameWhileAsking, u"无名菜鸟") << c.what << ": the old holder's name is gone";
        ASSERT_EQ(tablesShown, 1) << c.what;
        EXPECT_EQ(nameWhenShown, QString::fromUtf16(c.name)) << c.what << ": name before table";
    }
}

} // namespace
} // namespace torvane::dialogs
