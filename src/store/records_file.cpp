#include "store/records_file.h"

#include "platform/gb_text.h"
#include "platform/text_number.h"

#include <QFile>
#include <QSaveFile>

namespace torvane::store {

namespace {

// A sound file is under 200 bytes; a damaged or foreign one must not be read whole. A line
// that runs past this cap counts as unreadable.
constexpr qint64 maxBytes = 64 * 1024;
constexpr std::size_t captionCount = 6;

// A sign column (blank or minus), the digits, one blank: " 16 ", "-3 ".
QString NumberLine(std::int16_t value) {
    const QString digits = platform::DecimalText(value);
    return value < 0 ? digits + u' ' : u' ' + digits + u' ';
}

bool IsLineBreak(QChar c) {
    return c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' || c == QChar(0x0085) ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// A line break inside a caption would shift every line after it, so each becomes a blank
// (CR LF as one).
QString OneLine(const QString& caption) {
    QString line;
    line.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (!IsLineBreak(caption[i])) {
            line.append(caption[i]);
            continue;
        }
        if (caption[i] == u'\r' && i + 1 < caption.size() && caption[i + 1] == u'\n') {
            ++i;
        }
        line.append(u' ');
    }
    return line;
}

} // namespace

RecordsRead ReadRecords(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    // One byte past the cap is enough to tell a file that runs past it.
    const QByteArray bytes = file.read(maxBytes + 1);
    return ReadRecordsFrom(bytes, file.error() == QFileDevice::NoError);
}

RecordsRead ReadRecordsFrom(QByteArrayView bytes, bool complete) {
    RecordsRead read;
    // Past the cap, or after a read error, the last line seen may be only part of a line.
    if (bytes.size() > maxBytes) {
        bytes = bytes.first(maxBytes);
        complete = false;
    }
    const std::optional<std::vector<QString>> lines = platform::DecodeGbLines(bytes, complete);
    if (!lines) {
        return read;
    }
    std::size_t next = 0;
    for (std::optional<std::int16_t>* number :
         {&read.level, &read.fieldWidth, &read.fieldHeight, &read.mineTotal}) {
        if (next == lines->size()) {
            return read;
        }
        *number = platform::ToInt16((*lines)[next++]);
        if (!*number) {
            return read;
        }
    }
    while (next < lines->size() && read.tableCaptions.size() < captionCount) {
        read.tableCaptions.push_back((*lines)[next++]);
    }
    return read;
}

QByteArray RecordsBytes(const RecordsToWrite& records) {
    std::vector<QString> lines;
    for (const std::int16_t number :
         {records.level, records.fieldWidth, records.fieldHeight, records.mineTotal}) {
        lines.push_back(NumberLine(number));
    }
    for (const QString& caption : records.tableCaptions) {
        lines.push_back(OneLine(caption));
    }
    QByteArray bytes;
    for (const QString& line : lines) {
        const std::optional<QByteArray> encoded = platform::EncodeGbLine(line);
        if (!encoded) {
            return {};
        }
        bytes.append(*encoded);
    }
    return bytes;
}

bool WriteRecords(const QString& path, const RecordsToWrite& records) {
    const QByteArray bytes = RecordsBytes(records);
    if (bytes.isEmpty()) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    // commit() alone misses a write cut short while flushing (a full disk, a size limit) and
    // would put the truncated file in place; flushing here catches it. Returning without
    // commit discards the temporary file and keeps the old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        return false;
    }
    return file.commit();
}

} // namespace torvane::store
