#include "store/records_format.h"

#include "platform/text_number.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace torvane::store {

namespace {

constexpr const char* codecName = "GB18030";
// The longest line the game writes is 64 characters of at most four bytes each.
constexpr qsizetype maxLineBytes = 4096;

// The ten lines' layout, for the reader and the writer alike: four numbers, then a time and a
// name for each preset level.
bool isNumberLine(int line) {
    return line < numberLineCount;
}

bool isTimeLine(int line) {
    return !isNumberLine(line) && (line - numberLineCount) % 2 == 0;
}

int levelAt(int line) {
    return (line - numberLineCount) / 2;
}

std::int16_t& numberAt(PlayedField& field, int line) {
    const std::array numbers = {&field.level, &field.fieldWidth, &field.fieldHeight,
                                &field.mineTotal};
    return *numbers.at(static_cast<std::size_t>(line));
}

QString& captionIn(Record& record, int line) {
    return isTimeLine(line) ? record.time : record.name;
}

// GB18030 keeps ASCII as it is, and most lines are ASCII: they need no codec, which costs a
// megabyte of memory once loaded.
bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}

QString decode(QByteArrayView line) {
    if (isAscii(line)) {
        return QString::fromLatin1(line);
    }
    // Bytes that are no GB18030 become U+FFFD, which shows as damage on the way back.
    QStringDecoder decoder(codecName, QStringConverter::Flag::Stateless);
    return decoder.isValid() ? decoder.decode(line) : QString(QChar::ReplacementCharacter);
}

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' || c == QChar(0x0085) ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// A line break inside a caption would shift every line after it, so each becomes a blank
// (CR LF as one).
QString oneLine(const QString& caption) {
    QString line = caption;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    std::replace_if(line.begin(), line.end(), isLineBreak, QChar(u' '));
    return line;
}

// A sign column (blank or minus), the digits, one blank: " 16 ", "-3 ".
QString numberLine(std::int16_t value) {
    const QString digits = platform::decimalText(value);
    return value < 0 ? digits + u' ' : u' ' + digits + u' ';
}

struct Lines {
    std::vector<QByteArray> lines; // without their ends
    bool more = false;             // something follows the tenth line
};

// No GB18030 sequence holds CR or LF, so the bytes split before they are decoded. A line ends
// at CR, CR LF or LF; a last line without an end counts.
Lines splitLines(QIODevice& device) {
    Lines read;
    QByteArray line;
    bool afterReturn = false;
    std::array<char, 4096> chunk{};
    for (qint64 got; (got = device.read(chunk.data(), chunk.size())) > 0;) {
        for (const char byte : QByteArrayView(chunk.data(), got)) {
            if (std::exchange(afterReturn, false) && byte == '\n') {
                continue;
            }
            if (read.lines.size() == recordsLineCount) {
                read.more = true;
                return read;
            }
            if (byte == '\r' || byte == '\n') {
                read.lines.push_back(std::exchange(line, {}));
                afterReturn = byte == '\r';
            } else if (line.size() < maxLineBytes) {
                line.append(byte); // a cut line never matches what the game writes back
            }
        }
    }
    if (!line.isEmpty()) {
        read.lines.push_back(line);
    }
    return read;
}

} // namespace

ParsedRecords parseRecords(QIODevice& device, Reach reach) {
    const Lines file = splitLines(device);
    ParsedRecords parsed;
    if (file.lines.empty() && !file.more) {
        return parsed;
    }
    parsed.condition = Condition::Damaged;
    const int reachable = reach == Reach::FieldOnly ? numberLineCount : recordsLineCount;
    const int available = std::min(reachable, static_cast<int>(file.lines.size()));
    for (int line = 0; line < available; ++line) {
        const QString text = decode(file.lines[static_cast<std::size_t>(line)]);
        if (isNumberLine(line)) {
            const std::optional<std::int16_t> number = platform::toInt16(text);
            if (!number) {
                return parsed;
            }
            numberAt(parsed.contents.field, line) = *number;
            continue;
        }
        // Judged as the table keeps it, so that what is written back reads back the same.
        const std::optional<std::int16_t> seconds = platform::toInt16(BestTimes::bounded(text));
        if (isTimeLine(line) && (!seconds || *seconds < 0)) {
            return parsed;
        }
        Record record = parsed.contents.bestTimes.record(levelAt(line));
        captionIn(record, line) = text;
        parsed.contents.bestTimes.setRecord(levelAt(line), record);
    }
    if (available < recordsLineCount) {
        return parsed;
    }
    QByteArray asRead;
    for (const QByteArray& line : file.lines) {
        asRead += line + "\r\n";
    }
    if (recordsBytes(parsed.contents) == asRead) {
        parsed.condition = file.more ? Condition::CleanTail : Condition::Clean;
    }
    return parsed;
}

ParsedRecords parseRecords(const QByteArray& bytes, Reach reach) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return parseRecords(buffer, reach);
}

QByteArray recordsBytes(const RecordsContents& contents) {
    QString text;
    for (int line = 0; line < recordsLineCount; ++line) {
        PlayedField field = contents.field;
        Record record = isNumberLine(line) ? Record{} : contents.bestTimes.record(levelAt(line));
        text += isNumberLine(line) ? numberLine(numberAt(field, line))
                                   : oneLine(captionIn(record, line));
        text += QStringLiteral("\r\n");
    }
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; })) {
        return text.toLatin1();
    }
    QStringEncoder encoder(codecName);
    return encoder.isValid() ? QByteArray(encoder.encode(text)) : QByteArray();
}

} // namespace torvane::store
