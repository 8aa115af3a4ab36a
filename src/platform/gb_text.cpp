#include "platform/gb_text.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace torvane::platform {

namespace {
constexpr const char* codecName = "GB18030";
} // namespace

std::optional<QByteArray> EncodeGbLine(QStringView text) {
    QStringEncoder encoder(codecName);
    if (!encoder.isValid()) {
        return std::nullopt;
    }
    QByteArray line = encoder.encode(text);
    line.append("\r\n");
    return line;
}

std::optional<std::vector<QString>> DecodeGbLines(QByteArrayView bytes, bool complete) {
    // Stateless: a character cut off at the end of a line is dropped instead of swallowing the
    // first byte of the next line.
    QStringDecoder decoder(codecName, QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        return std::nullopt;
    }
    // Splitting before decoding is safe: no GB18030 multi-byte sequence contains CR or LF.
    std::vector<QString> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char byte = bytes[i];
        if (byte != '\r' && byte != '\n') {
            continue;
        }
        lines.push_back(decoder.decode(bytes.sliced(start, i - start)));
        if (byte == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < bytes.size() && complete) {
        lines.push_back(decoder.decode(bytes.sliced(start)));
    }
    return lines;
}

} // namespace torvane::platform
