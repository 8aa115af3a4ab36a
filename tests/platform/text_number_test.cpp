#include "platform/text_number.h"

#include <gtest/gtest.h>

namespace torvane::platform {
namespace {

TEST(NumericValue, ReadsTheLeadingNumber) {
    struct Case {
        const char16_t* text;
        double value;
    };
    const Case cases[] = {
        {u"12abc", 12},  {u" 8.5", 8.5}, {u"-3", -3},     {u"", 0},     {u"abc", 0},
        {u"x12", 0},     {u"  35 ", 35}, {u"\t7", 7},     {u"+4", 4},   {u".5", 0.5},
        {u"12.6", 12.6}, {u"1e3", 1000}, {u"1e", 1},      {u"2e+x", 2}, {u"-", 0},
        {u"999", 999},   {u"3-4", 3},    {u"1.2.3", 1.2}, {u"匿名", 0}, {u"0034", 34},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(NumericValue(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(ToInt16, ConvertsWholeTextsRoundingHalvesToEven) {
    struct Case {
        const char16_t* text;
        std::optional<std::int16_t> value;
    };
    const Case cases[] = {
        {u"12", 12},      {u" 8.5", 8},   {u"9.5", 10},    {u"-3", -3},       {u" 16 ", 16},
        {u"30.4", 30},    {u"7.9", 8},    {u"-2.5", -2},   {u"32767", 32767}, {u"-32768", -32768},
        {u"32767.5", {}}, {u"40000", {}}, {u"-32769", {}}, {u"12abc", {}},    {u"abc", {}},
        {u"", {}},        {u"   ", {}},   {u"1e2", 100},   {u"1e999", {}},    {u"nan", {}},
        {u"inf", {}},     {u"0.5", 0},    {u"1.5", 2},     {u"+7", 7},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToInt16(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(DecimalText, ShortestFormWithSign) {
    EXPECT_EQ(DecimalText(-2), u"-2");
    EXPECT_EQ(DecimalText(0), u"0");
    EXPECT_EQ(DecimalText(35), u"35");
}

} // namespace
} // namespace torvane::platform
