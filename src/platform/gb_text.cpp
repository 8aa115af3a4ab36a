#include "platform/gb_text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

namespace torvane::platform {

namespace {

constexpr const char* codecName = "GB18030";

// GB18030 keeps ASCII as it is, and most lines of the records file are plain ASCII: they need
// no codec, and the toolkit's codec costs a megabyte of memory once it is loaded.
bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}

bool isAscii(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

std::optional<QByteArray> EncodeGbLine(QStringView text) {
    if (isAscii(text)) {
        return text.toLatin1() + "\r\n";
    }
    QStringEncoder encoder(codecName);
    if (!encoder.isValid()) {
        return std::nullopt;
    }
    QByteArray line = encoder.encode(text);
    line.append("\r\n");
    return line;
}

std::vector<QByteArrayView> SplitLines(QByteArrayView bytes, bool complete) {
    // Splitting before decoding is safe: no GB18030 multi-byte sequence contains CR or LF.
    std::vector<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (byte != '\r' && byte != '\n') {
            continue;
        }
        lines.push_back(bytes.sliced(start, i - start));
        if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < bytes.size() && complete) {
        lines.push_back(bytes.sliced(start));
    }
    return lines;
}

std::optional<QString> DecodeGbLine(QByteArrayView line) {
    if (isAscii(line)) {
        return QString::fromLatin1(line);
    }
    // Stateless: a character cut off at the end of the line is dropped instead of swallowing
    // the first byte of the next line.
    QStringDecoder decoder(codecName, QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    return decoder.decode(line);
}

} // namespace torvane::platform
