#include "platform/gb_text.h"

#include <gtest/gtest.h>

namespace torvane::platform {
namespace {

using namespace Qt::StringLiterals;

QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray bytes;
    for (const int value : values) {
        bytes.append(static_cast<char>(value));
    }
    return bytes;
}

TEST(EncodeGbLine, GbkBytesForGbkTextAndFourByteFormsBeyond) {
    struct Case {
        const char16_t* text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {u"匿名", Bytes({196, 228, 195, 251, 13, 10})},
        {u" 1 ", Bytes({32, 49, 32, 13, 10})},
        {u"", Bytes({13, 10})},
        {u"😀", Bytes({0x94, 0x39, 0xFC, 0x36, 13, 10})},
        {u"𠀀", Bytes({0x95, 0x32, 0x82, 0x36, 13, 10})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeGbLine(QString::fromUtf16(c.text)), c.bytes)
            << QString::fromUtf16(c.text).toStdString();
    }
}

// The file's bytes as the records reader takes them: split, then each line decoded.
std::optional<std::vector<QString>> DecodeGbLines(QByteArrayView bytes, bool complete) {
    std::vector<QString> lines;
    for (const QByteArrayView line : SplitLines(bytes, complete)) {
        std::optional<QString> text = DecodeGbLine(line);
        if (!text) {
            return std::nullopt;
        }
        lines.push_back(std::move(*text));
    }
    return lines;
}

TEST(DecodeGbLines, SplitsAtEveryKindOfLineEnd) {
    struct Case {
        QByteArray bytes;
        bool complete;
        std::vector<QString> lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", true, {"a", "b"}},
        {"a\rb\r", true, {"a", "b"}},
        {"a\nb\n", true, {"a", "b"}},
        {"a\r\r\nb\n\rc", true, {"a", "", "b", "", "c"}},
        {"a\r\nlast", true, {"a", "last"}},
        {"a\r\ncut", false, {"a"}},
        {"a\r", false, {"a"}},
        {"", true, {}},
        {"\r\n", true, {""}},
        {" x  \r\n", true, {" x  "}},
        {Bytes({196, 228, 195, 251, 13, 10, 0x94, 0x39, 0xFC, 0x36}), true, {u"匿名"_s, u"😀"_s}},
        // A two-byte character cut off by the line end does not spill into the next line.
        {Bytes({'a', 196, 13, 10, 196, 228}), true, {"a", u"匿"_s}},
        {Bytes({'a', 0xFF, 0x80, 'b'}), true, {u"a\uFFFD\uFFFDb"_s}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeGbLines(c.bytes, c.complete), c.lines) << c.bytes.toStdString();
    }
}

} // namespace
} // namespace torvane::platform
