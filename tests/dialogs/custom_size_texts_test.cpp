#include "dialogs/custom_size_texts.h"
#include "game/custom_size.h"
#include "platform/text_number.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace torvane::dialogs {
namespace {

using Texts = CustomSizeTexts;

std::string shown(const Texts& texts) {
    return (u'[' + texts[0] + u'|' + texts[1] + u'|' + texts[2] + u']').toStdString();
}

std::string shown(game::FieldSize size) {
    return std::to_string(size.columns) + "x" + std::to_string(size.rows) + "x" +
           std::to_string(size.mines);
}

Texts boxes(const char16_t* columns, const char16_t* rows, const char16_t* mines) {
    return {QString::fromUtf16(columns), QString::fromUtf16(rows), QString::fromUtf16(mines)};
}

TEST(CorrectCustomTexts, BoundsEachBoxInOrder) {
    struct Case {
        const char* name;
        Texts typed;
        Texts corrected;
    };
    const Case cases[] = {
        {"every box out of bounds", boxes(u"5", u"40", u"0"), boxes(u"8", u"30", u"8")},
        {"too many mines on the largest field", boxes(u"30", u"30", u"500"),
         boxes(u"30", u"30", u"300")},
        {"one mine past the limit", boxes(u"8", u"8", u"22"), boxes(u"8", u"8", u"21")},
        {"the most mines the limit allows", boxes(u"8", u"8", u"21"), boxes(u"8", u"8", u"21")},
        {"a fraction past the limit", boxes(u"8", u"8", u"21.4"), boxes(u"8", u"8", u"21")},
        // Bounds themselves pass: 8, 30 and a mine count equal to the limit stay as typed.
        {"width 8, height 30, mines at the limit", boxes(u"8.0", u"30.0", u"80.0"),
         boxes(u"8.0", u"30.0", u"80.0")},
        {"width 30, height 8, the fewest mines", boxes(u"30.0", u"8.0", u"8.0"),
         boxes(u"30.0", u"8.0", u"8.0")},
        {"empty boxes", boxes(u"", u"", u""), boxes(u"8", u"8", u"8")},
        {"letters only", boxes(u"abc", u"abc", u"abc"), boxes(u"8", u"8", u"8")},
        {"a width just above 30", boxes(u"30.4", u"10", u"10"), boxes(u"30", u"10", u"10")},
        {"a width just below 8", boxes(u"7.9", u"10", u"10"), boxes(u"8", u"10", u"10")},
        {"a fraction in bounds stays", boxes(u"8.5", u"10", u"10"), boxes(u"8.5", u"10", u"10")},
        {"the width is lowered before the mines meet the limit", boxes(u"50", u"30", u"400"),
         boxes(u"30", u"30", u"300")},
        // 10 x 8 / 3 is 26.67.
        {"the height is raised before the mines meet the limit", boxes(u"10", u"7", u"40"),
         boxes(u"10", u"8", u"26")},
        {"text after numbers in bounds stays", boxes(u"12abc", u"12.6", u"48"),
         boxes(u"12abc", u"12.6", u"48")},
        {"blanks stay, a letter first is no number", boxes(u" 30 ", u"x12", u"8"),
         boxes(u" 30 ", u"8", u"8")},
        {"negative and too large", boxes(u"-3", u"99", u"-1e99"), boxes(u"8", u"30", u"8")},
        {"huge exponents", boxes(u"1e99", u"1e99", u"1e99"), boxes(u"30", u"30", u"300")},
        {"past 16 bits", boxes(u"40000", u"-40000", u"40000"), boxes(u"30", u"8", u"80")},
        {"half a mine past the limit", boxes(u"30", u"30", u"300.5"), boxes(u"30", u"30", u"300")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shown(correctCustomTexts(c.typed)), shown(c.corrected)) << shown(c.typed);
    }
}

TEST(CustomFieldFromTexts, PlaysSoundTextsAsTheyAreAndCorrectsTheRest) {
    struct Case {
        const char* name;
        Texts texts;
        game::FieldSize field;
    };
    const Case cases[] = {
        {"a playable field below the bounds", boxes(u"5", u"20", u"0"), {5, 20, 0}},
        {"the smallest field", boxes(u"1", u"1", u"0"), {1, 1, 0}},
        {"the largest field with one safe cell", boxes(u"30", u"30", u"899"), {30, 30, 899}},
        {"blanks around a number", boxes(u" 16 ", u"16", u"40"), {16, 16, 40}},
        {"text after a number", boxes(u"12abc", u"12", u"12"), {12, 12, 12}},
        {"a half rounds down to even", boxes(u"8.5", u"8", u"8"), {8, 8, 8}},
        {"a half rounds up to even", boxes(u"9.5", u"9", u"9"), {10, 9, 9}},
        {"halves with text after round to even", boxes(u"10.5abc", u"11.5x", u"10"), {10, 12, 10}},
        {"30.5 rounds to even 30", boxes(u"30.5", u"30.5", u"5"), {30, 30, 5}},
        {"a negative width", boxes(u"-3", u"10", u"10"), {8, 10, 10}},
        {"a width past 30", boxes(u"99", u"10", u"10"), {30, 10, 10}},
        {"empty boxes", boxes(u"", u"", u""), {8, 8, 8}},
        {"mines past 16 bits", boxes(u"10", u"10", u"40000"), {10, 10, 33}},
        {"no safe cell on the largest field", boxes(u"30", u"30", u"900"), {30, 30, 300}},
        {"no safe cell on a small field", boxes(u"2", u"2", u"4"), {8, 8, 8}},
        {"negative mines", boxes(u"4", u"4", u"-1"), {8, 8, 8}},
        {"a typed width kept beside corrected boxes", boxes(u"12abc", u"40", u"0"), {12, 30, 8}},
        {"31.5 is past 30", boxes(u"31.5", u"16", u"40"), {30, 16, 40}},
        {"huge exponents", boxes(u"1e99", u"-1e99", u"5"), {30, 8, 8}},
        // Rounded first to 8 x 8 with 64 mines; corrected the limit is 8.4 x 8.4 / 3.
        {"the limit comes from the sides as typed", boxes(u"8.4", u"8.4", u"63.6"), {8, 8, 23}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shown(customFieldFromTexts(c.texts)), shown(c.field)) << shown(c.texts);
    }
}

// The rules beneath the texts: a bound replaces only the values past it, each tested on the
// value as corrected so far, and a playable typed field is played whatever the bounds say.
TEST(CustomSizeRules, CorrectOnlyWhatIsOutOfBounds) {
    struct Case {
        const char* name;
        game::TypedSize typed;
        game::SizeCorrection correction;
    };
    const Case cases[] = {
        {"in bounds", {16, 16, 40}, {}},
        {"on the bounds", {8, 30, 80}, {}},
        {"sides just past the bounds", {7.99, 30.01, 80}, {8, 30, {}}},
        {"mines limited by the corrected width", {50, 30, 400}, {30, {}, 300}},
        {"mines limited by the corrected height", {10, 7, 40}, {{}, 8, 26}},
        {"too few mines", {8, 8, 7.5}, {{}, {}, 8}},
        {"a limit from fractional sides", {8.4, 8.4, 63.6}, {{}, {}, 23}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const game::SizeCorrection got = game::correctCustomSize(c.typed);
        EXPECT_EQ(got.columns, c.correction.columns) << c.typed.columns;
        EXPECT_EQ(got.rows, c.correction.rows) << c.typed.rows;
        EXPECT_EQ(got.mines, c.correction.mines) << c.typed.mines;
    }
    EXPECT_EQ(shown(game::customField({5, 20, 0}, {5, 20, 0})), "5x20x0");
    EXPECT_EQ(shown(game::customField({5, 20, 100}, {5, 20, 100})), "8x20x53");
}

// Texts a player, a damaged records file or a fuzzer could put in the boxes.
QString hostileText(std::mt19937& random) {
    static const char16_t* const pieces[] = {
        u"0",      u"1",     u"5",      u"8",      u"9",      u"30",     u"31",
        u".",      u"-",     u"+",      u"e",      u"E",      u" ",      u"\t",
        u"\n",     u"abc",   u"雷",     u"1e99",   u"-1e99",  u"1e400",  u"-1e400",
        u"nan",    u"inf",   u"0x1F",   u"0.5",    u"7.5",    u"29.5",   u"30.49",
        u"32767",  u"32768", u"-32768", u"-32769", u"1e-5",   u"1e-400", u"40000",
        u"999999", u"1.5e1", u"&H10",   u"",       u"\u00a0", u"１２",
    };
    std::uniform_int_distribution<int> count(0, 4);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    QString text;
    for (int n = count(random); n > 0; --n) {
        text += QString::fromUtf16(pieces[pick(random)]);
    }
    return text;
}

QString numberText(std::mt19937& random) {
    std::uniform_real_distribution<double> value(-50.0, 1000.0);
    std::bernoulli_distribution whole(0.6);
    const double v = value(random);
    return whole(random) ? QString::number(static_cast<long long>(v)) : QString::number(v, 'f', 2);
}

TEST(CustomFieldFromTexts, AnyTextsGiveAPlayableFieldAndCorrectionIsStable) {
    std::mt19937 random(20240611);
    std::bernoulli_distribution numeric(0.5);
    for (int round = 0; round < 20000; ++round) {
        Texts texts;
        for (QString& text : texts) {
            text = numeric(random) ? numberText(random) : hostileText(random);
        }
        const game::FieldSize field = customFieldFromTexts(texts);
        ASSERT_TRUE(game::isPlayable(field)) << shown(texts) << " gave " << shown(field);

        const Texts corrected = correctCustomTexts(texts);
        const double columns = platform::numericValue(corrected[0]);
        const double rows = platform::numericValue(corrected[1]);
        const double mines = platform::numericValue(corrected[2]);
        ASSERT_TRUE(columns >= 8 && columns <= 30 && rows >= 8 && rows <= 30) << shown(texts);
        ASSERT_TRUE(mines >= 8 && mines <= columns * rows / 3) << shown(texts);
        ASSERT_EQ(shown(correctCustomTexts(corrected)), shown(corrected)) << shown(texts);
    }
}

} // namespace
} // namespace torvane::dialogs
