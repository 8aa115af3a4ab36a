#include "platform/text_number.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

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
        EXPECT_DOUBLE_EQ(numericValue(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
    }
}

// A number too small for a double is 0, one too large is infinite, and zero has no sign.
TEST(NumericValue, OutOfRangeIsZeroOrInfinite) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char16_t* text;
        double value;
    };
    const Case cases[] = {
        {u"1e-400", 0},
        {u"-1e-400", 0},
        {u"0.000123e-330", 0},
        {u"123456e-330x", 0},
        {u"-0", 0},
        {u"-0.0e5", 0},
        {u"00000.00001e-99999999999999999999", 0},
        {u"1000e-310", 1e-307},
        {u"-5e-324", -5e-324},
        {u"1e400", inf},
        {u"-1e400", -inf},
        {u"1000e306", inf},
        {u"+1e99999999999999999999", inf},
        {u"0.0001e312", 1e308},
    };
    for (const Case& c : cases) {
        const double value = numericValue(QString::fromUtf16(c.text));
        EXPECT_EQ(value, c.value) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(std::signbit(value), std::signbit(c.value))
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
        {u"inf", {}},     {u"0.5", 0},    {u"1.5", 2},     {u"+7", 7},        {u"1e-400", 0},
        {u"-1e-400", 0},  {u"-0", 0},     {u"-0.4", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toInt16(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(DecimalText, ShortestFormWithSign) {
    EXPECT_EQ(decimalText(-2), u"-2");
    EXPECT_EQ(decimalText(0), u"0");
    EXPECT_EQ(decimalText(35), u"35");
}

} // namespace
} // namespace torvane::platform
