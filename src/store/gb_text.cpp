#include "store/gb_text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <utility>

namespace torvane::store {

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

std::optional<QByteArray> encodeGbLine(QStringView text) {
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

TextLines readLines(QIODevice& device, std::size_t count, qsizetype maxLineBytes) {
    // Splitting before decoding is safe: no GB18030 multi-byte sequence contains CR or LF.
    TextLines read;
    QByteArray line;
    bool afterCarriageReturn = false;
    std::array<char, 4096> chunk{};
    for (;;) {
        const qint64 got = device.read(chunk.data(), chunk.size());
        if (got < 0) {
            return read;
        }
        if (got == 0) {
            if (!line.isEmpty()) {
                read.lines.push_back(line);
            }
            return read;
        }
        for (qint64 i = 0; i < got; ++i) {
            const char byte = chunk[static_cast<std::size_t>(i)];
            if (std::exchange(afterCarriageReturn, false) && byte == '\n') {
                continue;
            }
            if (read.lines.size() == count) {
                read.more = true;
                return read;
            }
            if (byte == '\r' || byte == '\n') {
                read.lines.push_back(std::exchange(line, {}));
                afterCarriageReturn = byte == '\r';
            } else if (line.size() < maxLineBytes) {
                line.append(byte);
            } else {
                read.whole = false;
            }
        }
    }
}

std::optional<QString> decodeGbLine(QByteArrayView line) {
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

} // namespace torvane::store
