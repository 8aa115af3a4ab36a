#include "app/new_record.h"
#include "store/best_times.h"

#include <gtest/gtest.h>

namespace torvane::app {
namespace {

TEST(TakeRecord, OnlyAStrictlyShorterPresetTimeTakesTheRowUnderTheUnnamedHolder) {
    struct Case {
        const char* what;
        game::Level level;
        const char16_t* best;
        int seconds;
        bool record;
    };
    const Case cases[] = {
        {"equal at the cap", game::Beginner, u"999", 999, false},
        {"equal time", game::Beginner, u"35", 35, false},
        {"one second shorter", game::Beginner, u"35", 34, true},
        {"compared as numbers", game::Intermediate, u"100", 99, true},
        {"compared as numbers, not text", game::Expert, u"35", 9, true},
        {"a blank before the best", game::Intermediate, u" 35", 34, true},
        {"a best without a number counts as 0", game::Beginner, u"abc", 1, false},
        {"a best of 0 is never beaten", game::Intermediate, u"0", 0, false},
        {"custom level", game::Custom, u"999", 1, false},
    };
    for (const Case& c : cases) {
        store::BestTimes bestTimes;
        for (int level = 0; level < store::BestTimes::levelCount; ++level) {
            bestTimes.setTime(level, QString::fromUtf16(c.best));
            bestTimes.setName(level, QStringLiteral("name %1").arg(level));
        }
        EXPECT_EQ(takeRecord(bestTimes, {c.level, c.seconds}), c.record) << c.what;
        for (int level = 0; level < store::BestTimes::levelCount; ++level) {
            const bool taken = c.record && level == c.level;
            EXPECT_EQ(bestTimes.time(level),
                      taken ? QString::number(c.seconds) : QString::fromUtf16(c.best))
                << c.what << ", level " << level;
            EXPECT_EQ(bestTimes.name(level),
                      taken ? QStringLiteral("无名菜鸟") : QStringLiteral("name %1").arg(level))
                << c.what << ", level " << level;
        }
    }
}

} // namespace
} // namespace torvane::app
