#include "store/records_file.h"

#include "platform/text_number.h"
#include "store/gb_text.h"
#include "store/whole_file.h"

#include <QBuffer>

namespace torvane::store {

namespace {

constexpr std::size_t lineCount = 10;
// The longest line the game writes is 64 characters of at most four bytes each. A longer line
// in a hand-edited file keeps this much of itself; the lines after it are read all the same.
constexpr qsizetype maxLineBytes = 4096;

// A sign column (blank or minus), the digits, one blank: " 16 ", "-3 ".
QString numberLine(std::int16_t value) {
    const QString digits = platform::decimalText(value);
    return value < 0 ? digits + u' ' : u' ' + digits + u' ';
}

bool isLineBreak(QChar c) {
    return c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f' || c == QChar(0x0085) ||
           c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

// A line break inside a caption would shift every line after it, so each becomes a blank
// (CR LF as one).
QString oneLine(const QString& caption) {
    QString line;
    line.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (!isLineBreak(caption[i])) {
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

RecordsLines loadRecordsFile(const QString& path) {
    const std::unique_ptr<QFile> file = openRegularFile(path);
    if (!file) {
        return {};
    }
    TextLines read = readLines(*file, lineCount, maxLineBytes);
    return {std::move(read.lines), read.whole, read.more};
}

RecordsRead readRecords(const QString& path) {
    return readRecordsFrom(loadRecordsFile(path));
}

RecordsRead readRecordsFrom(QByteArrayView bytes, RecordsPart part) {
    QBuffer buffer;
    buffer.setData(bytes.toByteArray());
    buffer.open(QIODevice::ReadOnly);
    TextLines read = readLines(buffer, lineCount, maxLineBytes);
    return readRecordsFrom(RecordsLines{std::move(read.lines), read.whole, read.more}, part);
}

RecordsRead readRecordsFrom(const RecordsLines& file, RecordsPart part) {
    RecordsRead read;
    const std::vector<QByteArray>& lines = file.lines;
    std::size_t next = 0;
    for (std::optional<std::int16_t>* number :
         {&read.level, &read.fieldWidth, &read.fieldHeight, &read.mineTotal}) {
        const std::optional<QString> line =
            next < lines.size() ? decodeGbLine(lines[next++]) : std::nullopt;
        if (!line) {
            return read;
        }
        *number = platform::toInt16(*line);
        if (!*number) {
            return read;
        }
    }
    if (part == RecordsPart::Numbers) {
        return read;
    }
    while (next < lines.size() &&
           read.tableCaptions.size() < std::size_t{BestTimes::captionCount}) {
        std::optional<QString> caption = decodeGbLine(lines[next++]);
        // A time that is no number is damage, a name shifted into its line say, and is not
        // read as a time: as text it would count as 0 s, which no win can beat. It is judged as
        // the table will keep it, so that what is written back reads back the same.
        const bool timeLine = read.tableCaptions.size() % 2 == 0;
        if (!caption || (timeLine && !platform::toInt16(BestTimes::bounded(*caption)))) {
            return read;
        }
        read.tableCaptions.push_back(std::move(*caption));
    }
    // Ten lines and no more: anything after the tenth was not read and would be lost.
    if (next == lineCount && file.whole && !file.more) {
        // Whatever the reading or the table changed (bytes that are no GB18030, a cut name, a
        // line break inside a name, a number written another way) shows in what would be
        // written back.
        QByteArray asRead;
        for (const QByteArray& line : lines) {
            asRead += line + "\r\n";
        }
        read.clean = recordsBytes(settingsFrom(read)) == asRead;
    }
    return read;
}

SavedSettings settingsFrom(const RecordsRead& read) {
    SavedSettings settings;
    for (const auto& [value, target] :
         {std::pair{read.level, &settings.level}, std::pair{read.fieldWidth, &settings.fieldWidth},
          std::pair{read.fieldHeight, &settings.fieldHeight},
          std::pair{read.mineTotal, &settings.mineTotal}}) {
        if (!value) {
            break;
        }
        *target = *value;
    }
    for (std::size_t i = 0; i < read.tableCaptions.size(); ++i) {
        settings.bestTimes.setCaption(static_cast<int>(i), read.tableCaptions[i]);
    }
    return settings;
}

QByteArray recordsBytes(const SavedSettings& settings) {
    std::vector<QString> lines;
    for (const std::int16_t number :
         {settings.level, settings.fieldWidth, settings.fieldHeight, settings.mineTotal}) {
        lines.push_back(numberLine(number));
    }
    for (int i = 0; i < BestTimes::captionCount; ++i) {
        lines.push_back(oneLine(settings.bestTimes.caption(i)));
    }
    QByteArray bytes;
    for (const QString& line : lines) {
        const std::optional<QByteArray> encoded = encodeGbLine(line);
        if (!encoded) {
            return {};
        }
        bytes.append(*encoded);
    }
    return bytes;
}

bool writeRecords(const QString& path, const SavedSettings& settings, FileError* error) {
    const QByteArray bytes = recordsBytes(settings);
    if (bytes.isEmpty()) {
        if (error != nullptr) {
            *error = {0, QStringLiteral("no GB18030 text codec")};
        }
        return false;
    }
    return replaceFile(path, bytes, error);
}

} // namespace torvane::store
