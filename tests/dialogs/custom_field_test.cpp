#include "dialogs/custom_field.h"
#include "platform/text_number.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace torvane::dialogs {
namespace {

using Texts = std::array<QString, 3>;

std::string Shown(const Texts& t) {
    return (u'[' + t[0] + u'|' + t[1] + u'|' + t[2] + u']').toStdString();
}

Texts Of(const char16_t* a, const char16_t* b, const char16_t* c) {
    return {QString::fromUtf16(a), QString::fromUtf16(b), QString::fromUtf16(c)};
}

TEST(CorrectCustomTexts, BoundsEachBoxInOrder) {
    struct Case {
        Texts typed;
        Texts corrected;
    };
    const Case cases[] = {
        {Of(u"5", u"40", u"0"), Of(u"8", u"30", u"8")},
        {Of(u"30", u"30", u"500"), Of(u"30", u"30", u"300")},
        {Of(u"8", u"8", u"22"), Of(u"8", u"8", u"21")},
        {Of(u"8", u"8", u"21"), Of(u"8", u"8", u"21")},
        {Of(u"8", u"8", u"21.4"), Of(u"8", u"8", u"21")},
        // Bounds themselves pass: 8, 30 and a mine count equal to the limit stay as typed.
        {Of(u"8.0", u"30.0", u"80.0"), Of(u"8.0", u"30.0", u"80.0")},
        {Of(u"30.0", u"8.0", u"8.0"), Of(u"30.0", u"8.0", u"8.0")},
        {Of(u"", u"", u""), Of(u"8", u"8", u"8")},
        {Of(u"abc", u"abc", u"abc"), Of(u"8", u"8", u"8")},
        {Of(u"30.4", u"10", u"10"), Of(u"30", u"10", u"10")},
        {Of(u"7.9", u"10", u"10"), Of(u"8", u"10", u"10")},
        {Of(u"8.5", u"10", u"10"), Of(u"8.5", u"10", u"10")},
        // The width is lowered before the mines meet the limit.
        {Of(u"50", u"30", u"400"), Of(u"30", u"30", u"300")},
        // So is the height: 10 x 8 / 3 is 26.67.
        {Of(u"10", u"7", u"40"), Of(u"10", u"8", u"26")},
        {Of(u"12abc", u"12.6", u"48"), Of(u"12abc", u"12.6", u"48")},
        {Of(u" 30 ", u"x12", u"8"), Of(u" 30 ", u"8", u"8")},
        {Of(u"-3", u"99", u"-1e99"), Of(u"8", u"30", u"8")},
        {Of(u"1e99", u"1e99", u"1e99"), Of(u"30", u"30", u"300")},
        {Of(u"40000", u"-40000", u"40000"), Of(u"30", u"8", u"80")},
        {Of(u"30", u"30", u"300.5"), Of(u"30", u"30", u"300")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Shown(CorrectCustomTexts(c.typed)), Shown(c.corrected)) << Shown(c.typed);
    }
}

TEST(CustomFieldFromTexts, PlaysSoundTextsAsTheyAreAndCorrectsTheRest) {
    struct Case {
        Texts texts;
        game::FieldSize field;
    };
    const Case cases[] = {
        {Of(u"5", u"20", u"0"), {5, 20, 0}},
        {Of(u"1", u"1", u"0"), {1, 1, 0}},
        {Of(u"30", u"30", u"899"), {30, 30, 899}},
        {Of(u" 16 ", u"16", u"40"), {16, 16, 40}},
        {Of(u"12abc", u"12", u"12"), {12, 12, 12}},
        {Of(u"8.5", u"8", u"8"), {8, 8, 8}},
        {Of(u"9.5", u"9", u"9"), {10, 9, 9}},
        {Of(u"10.5abc", u"11.5x", u"10"), {10, 12, 10}},
        {Of(u"30.5", u"30.5", u"5"), {30, 30, 5}},
        {Of(u"-3", u"10", u"10"), {8, 10, 10}},
        {Of(u"99", u"10", u"10"), {30, 10, 10}},
        {Of(u"", u"", u""), {8, 8, 8}},
        {Of(u"10", u"10", u"40000"), {10, 10, 33}},
        {Of(u"30", u"30", u"900"), {30, 30, 300}},
        {Of(u"2", u"2", u"4"), {8, 8, 8}},
        {Of(u"4", u"4", u"-1"), {8, 8, 8}},
        {Of(u"12abc", u"40", u"0"), {12, 30, 8}},
        {Of(u"31.5", u"16", u"40"), {30, 16, 40}},
        {Of(u"1e99", u"-1e99", u"5"), {30, 8, 8}},
        // Rounded first to 8 x 8 with 64 mines; corrected the limit is 8.4 x 8.4 / 3.
        {Of(u"8.4", u"8.4", u"63.6"), {8, 8, 23}},
    };
    for (const Case& c : cases) {
        const game::FieldSize f = CustomFieldFromTexts(c.texts);
        EXPECT_EQ(f, c.field) << Shown(c.texts) << " gave " << f.columns << "x" << f.rows << "x"
                              << f.mines;
    }
}

// Texts a player, a damaged records file or a fuzzer could put in the boxes.
QString HostileText(std::mt19937& random) {
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

QString NumberText(std::mt19937& random) {
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
        for (QString& t : texts) {
            t = numeric(random) ? NumberText(random) : HostileText(random);
        }
        const game::FieldSize f = CustomFieldFromTexts(texts);
        ASSERT_TRUE(game::IsPlayable(f))
            << Shown(texts) << " gave " << f.columns << "x" << f.rows << "x" << f.mines;

        const Texts corrected = CorrectCustomTexts(texts);
        const double columns = platform::NumericValue(corrected[0]);
        const double rows = platform::NumericValue(corrected[1]);
        const double mines = platform::NumericValue(corrected[2]);
        ASSERT_TRUE(columns >= 8 && columns <= 30 && rows >= 8 && rows <= 30) << Shown(texts);
        ASSERT_TRUE(mines >= 8 && mines <= columns * rows / 3) << Shown(texts);
        ASSERT_EQ(Shown(CorrectCustomTexts(corrected)), Shown(corrected)) << Shown(texts);
    }
}

} // namespace
} // namespace torvane::dialogs
