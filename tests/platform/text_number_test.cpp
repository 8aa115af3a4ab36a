#include "platform/text_number.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace torvane::platform {
namespace {

TEST(NumericValue, ReadsTheLeadingNumber) {
    struct Case {
        const char* name;
        const char16_t* text;
        double value;
    };
    const Case cases[] = {
        {"text after the number", u"12abc", 12},
        {"a leading blank", u" 8.5", 8.5},
        {"a minus sign", u"-3", -3},
        {"an empty text", u"", 0},
        {"letters only", u"abc", 0},
        {"a letter before the digits", u"x12", 0},
        {"blanks around", u"  35 ", 35},
        {"a leading tab", u"\t7", 7},
        {"a plus sign", u"+4", 4},
        {"no whole part", u".5", 0.5},
        {"a fraction", u"12.6", 12.6},
        {"an exponent", u"1e3", 1000},
        {"an e without exponent digits", u"1e", 1},
        {"an exponent sign without digits", u"2e+x", 2},
        {"a sign alone", u"-", 0},
        {"a plain whole number", u"999", 999},
        {"a second sign ends the number", u"3-4", 3},
        {"a second point ends the number", u"1.2.3", 1.2},
        {"letters beyond Latin-1", u"匿名", 0},
        {"leading zeros", u"0034", 34},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(numericValue(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
    }
}

// A number too small for a double is 0, one too large is infinite, and zero has no sign.
TEST(NumericValue, OutOfRangeIsZeroOrInfinite) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        const char16_t* text;
        double value;
    };
    const Case cases[] = {
        {"too small", u"1e-400", 0},
        {"too small and negative", u"-1e-400", 0},
        {"too small, zeros after the point", u"0.000123e-330", 0},
        {"too small for all its whole digits", u"123456e-330x", 0},
        {"minus zero", u"-0", 0},
        {"minus zero with an exponent", u"-0.0e5", 0},
        {"too small, an exponent past any integer", u"00000.00001e-99999999999999999999", 0},
        {"whole digits bring a tiny exponent into range", u"1000e-310", 1e-307},
        {"the tiniest negative double keeps its sign", u"-5e-324", -5e-324},
        {"too large", u"1e400", inf},
        {"too large and negative", u"-1e400", -inf},
        {"too large through its whole digits", u"1000e306", inf},
        {"too large, an exponent past any integer", u"+1e99999999999999999999", inf},
        {"zeros after the point bring a huge exponent into range", u"0.0001e312", 1e308},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const double value = numericValue(QString::fromUtf16(c.text));
        EXPECT_EQ(value, c.value) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(std::signbit(value), std::signbit(c.value))
            << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(ToInt16, ConvertsWholeTextsRoundingHalvesToEven) {
    struct Case {
        const char* name;
        const char16_t* text;
        std::optional<std::int16_t> value;
    };
    const Case cases[] = {
        {"a whole number", u"12", 12},
        {"a half after a blank rounds down to even", u" 8.5", 8},
        {"a half rounds up to even", u"9.5", 10},
        {"a negative number", u"-3", -3},
        {"blanks around", u" 16 ", 16},
        {"a fraction rounds down", u"30.4", 30},
        {"a fraction rounds up", u"7.9", 8},
        {"a negative half rounds to even", u"-2.5", -2},
        {"the largest", u"32767", 32767},
        {"the smallest", u"-32768", -32768},
        {"a half above the largest rounds out of range", u"32767.5", {}},
        {"too large", u"40000", {}},
        {"too small", u"-32769", {}},
        {"text after the number", u"12abc", {}},
        {"letters only", u"abc", {}},
        {"an empty text", u"", {}},
        {"blanks only", u"   ", {}},
        {"an exponent", u"1e2", 100},
        {"an infinite value", u"1e999", {}},
        {"nan is no number", u"nan", {}},
        {"inf is no number", u"inf", {}},
        {"a half rounds down to even 0", u"0.5", 0},
        {"a half rounds up to even 2", u"1.5", 2},
        {"a plus sign", u"+7", 7},
        {"too small for a double", u"1e-400", 0},
        {"too small for a double and negative", u"-1e-400", 0},
        {"minus zero", u"-0", 0},
        {"rounds to minus zero", u"-0.4", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
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
