#include "store/gb_text.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace torvane::store {
namespace {

using namespace Qt::StringLiterals;

QByteArray bytesOf(std::initializer_list<int> values) {
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
        {u"匿名", bytesOf({196, 228, 195, 251, 13, 10})},
        {u" 1 ", bytesOf({32, 49, 32, 13, 10})},
        {u"", bytesOf({13, 10})},
        {u"😀", bytesOf({0x94, 0x39, 0xFC, 0x36, 13, 10})},
        {u"𠀀", bytesOf({0x95, 0x32, 0x82, 0x36, 13, 10})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeGbLine(QString::fromUtf16(c.text)), c.bytes)
            << QString::fromUtf16(c.text).toStdString();
    }
}

// The file's bytes as the records reader takes them: split, then each line decoded.
std::optional<std::vector<QString>> decodeGbLines(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    std::vector<QString> lines;
    for (const QByteArray& line : readLines(buffer, 100, 100).lines) {
        std::optional<QString> text = decodeGbLine(line);
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
        std::vector<QString> lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\r\r\nb\n\rc", {"a", "", "b", "", "c"}},
        {"a\r\nlast", {"a", "last"}},
        {"", {}},
        {"\r\n", {""}},
        {" x  \r\n", {" x  "}},
        {bytesOf({196, 228, 195, 251, 13, 10, 0x94, 0x39, 0xFC, 0x36}), {u"匿名"_s, u"😀"_s}},
        // A two-byte character cut off by the line end does not spill into the next line.
        {bytesOf({'a', 196, 13, 10, 196, 228}), {"a", u"匿"_s}},
        {bytesOf({'a', 0xFF, 0x80, 'b'}), {u"a\uFFFD\uFFFDb"_s}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeGbLines(c.bytes), c.lines) << c.bytes.toStdString();
    }
}

} // namespace
} // namespace torvane::store
