#include "game/level.h"
#include "game/record_rule.h"

#include <gtest/gtest.h>

namespace torvane::game {
namespace {

TEST(Level, APlayableFieldHasOneToThirtySidesAndASafeCell) {
    struct Case {
        const char* name;
        FieldSize size;
        bool playable;
    };
    const Case cases[] = {
        {"the smallest field", {1, 1, 0}, true},
        {"the largest field with one safe cell", {30, 30, 899}, true},
        {"one mine and one safe cell", {2, 1, 1}, true},
        {"mines on every cell", {2, 1, 2}, false},
        {"no columns", {0, 5, 1}, false},
        {"a column too many", {31, 5, 1}, false},
        {"no rows", {5, 0, 1}, false},
        {"a row too many", {5, 31, 1}, false},
        {"fewer than no mines", {5, 5, -1}, false},
        {"Beginner's field", {8, 8, 8}, true},
        {"the largest field with no safe cell", {30, 30, 900}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isPlayable(c.size), c.playable)
            << c.size.columns << "x" << c.size.rows << " with " << c.size.mines;
    }
}

// A damaged records file may name any level: below the first, the first start's; above the
// custom one, the custom level.
TEST(Level, AnyIndexSelectsALevelAndItsField) {
    struct Case {
        const char* name;
        int index;
        Level level;
        FieldSize field;
    };
    const FieldSize custom{5, 7, 3};
    const Case cases[] = {
        {"the lowest index", -32768, Intermediate, {16, 16, 35}},
        {"just below Beginner", -1, Intermediate, {16, 16, 35}},
        {"Beginner", 0, Beginner, {8, 8, 8}},
        {"Intermediate", 1, Intermediate, {16, 16, 35}},
        {"Expert", 2, Expert, {30, 16, 80}},
        {"Custom", 3, Custom, custom},
        {"just above Custom", 4, Custom, custom},
        {"the highest index", 32767, Custom, custom},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
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
