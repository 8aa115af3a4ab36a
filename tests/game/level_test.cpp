#include "game/level.h"
#include "game/record_rule.h"

#include <gtest/gtest.h>

namespace torvane::game {
namespace {

TEST(Level, APlayableFieldHasOneToThirtySidesAndASafeCell) {
    struct Case {
        FieldSize size;
        bool playable;
    };
    const Case cases[] = {
        {{1, 1, 0}, true},   {{30, 30, 899}, true}, {{2, 1, 1}, true},      {{2, 1, 2}, false},
        {{0, 5, 1}, false},  {{31, 5, 1}, false},   {{5, 0, 1}, false},     {{5, 31, 1}, false},
        {{5, 5, -1}, false}, {{8, 8, 8}, true},     {{30, 30, 900}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isPlayable(c.size), c.playable)
            << c.size.columns << "x" << c.size.rows << " with " << c.size.mines;
    }
}

// A damaged records file may name any level: below the first, the first start's; above the
// custom one, the custom level.
TEST(Level, AnyIndexSelectsALevelAndItsField) {
    struct Case {
        int index;
        Level level;
        FieldSize field;
    };
    const FieldSize custom{5, 7, 3};
    const Case cases[] = {
        {-32768, Intermediate, {16, 16, 35}},
        {-1, Intermediate, {16, 16, 35}},
        {0, Beginner, {8, 8, 8}},
        {1, Intermediate, {16, 16, 35}},
        {2, Expert, {30, 16, 80}},
        {3, Custom, custom},
        {4, Custom, custom},
        {32767, Custom, custom},
    };
    for (const Case& c : cases) {
        const Level level = selectableLevel(c.index);
        EXPECT_EQ(level, c.level) << c.index;
        EXPECT_EQ(levelField(level, custom), c.field) << c.index;
        EXPECT_EQ(keepsRecords(level), level != Custom) << c.index;
    }
}

TEST(RecordRule, OnlyAStrictlyShorterTimeTakesTheRecord) {
    EXPECT_TRUE(isNewRecord(34, 35));
    EXPECT_FALSE(isNewRecord(35, 35));
    EXPECT_FALSE(isNewRecord(36, 35));
    EXPECT_TRUE(isNewRecord(998, 999));
    EXPECT_FALSE(isNewRecord(999, 999)); // a capped clock never beats an unwon row
}

} // namespace
} // namespace torvane::game
