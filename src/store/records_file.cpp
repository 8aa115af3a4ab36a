#include "store/records_file.h"

#include "platform/gb_text.h"
#include "platform/text_number.h"
#include "platform/whole_file.h"

#include <algorithm>

namespace torvane::store {

namespace {

// A file the game writes is under 2 KiB, however long its captions (see BestTimes); a damaged
// or foreign one must not be read whole. A line that runs past this cap counts as unreadable.
constexpr qint64 maxBytes = 64 * 1024;
constexpr std::size_t lineCount = 10;

// A sign column (blank or minus), the digits, one blank: " 16 ", "-3 ".
QString NumberLine(std::int16_t value) {
    const QString digits = platform::decimalText(value);
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

RecordsFileBytes LoadRecordsFile(const QString& path) {
    std::optional<platform::FileStart> start = platform::ReadRegularFile(path, maxBytes);
    if (!start) {
        return {};
    }
    return {std::move(start->bytes), start->complete};
}

RecordsRead ReadRecords(const QString& path) {
    const RecordsFileBytes file = LoadRecordsFile(path);
    return ReadRecordsFrom(file.bytes, file.complete);
}

RecordsRead ReadRecordsFrom(QByteArrayView bytes, bool complete, RecordsPart part) {
    RecordsRead read;
    // Past the cap, or after a read error, the last line seen may be only part of a line.
    if (bytes.size() > maxBytes) {
        bytes = bytes.first(maxBytes);
        complete = false;
    }
    const std::vector<QByteArrayView> lines = platform::SplitLines(bytes, complete);
    std::size_t next = 0;
    for (std::optional<std::int16_t>* number :
         {&read.level, &read.fieldWidth, &read.fieldHeight, &read.mineTotal}) {
        const std::optional<QString> line =
            next < lines.size() ? platform::DecodeGbLine(lines[next++]) : std::nullopt;
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
        std::optional<QString> caption = platform::DecodeGbLine(lines[next++]);
        if (!caption) {
            return read;
        }
        read.tableCaptions.push_back(std::move(*caption));
    }
    // Bytes that are no GB18030 come back as U+FFFD and would be written back as that.
    read.clean =
        next == lineCount && std::none_of(read.tableCaptions.begin(), read.tableCaptions.end(),
                                          [](const QString& caption) {
                                              return caption.contains(QChar::ReplacementCharacter);
                                          });
    return read;
}

SavedSettings SettingsFrom(const RecordsRead& read) {
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

QByteArray RecordsBytes(const SavedSettings& settings) {
    std::vector<QString> lines;
    for (const std::int16_t number :
         {settings.level, settings.fieldWidth, settings.fieldHeight, settings.mineTotal}) {
        lines.push_back(NumberLine(number));
    }
    for (int i = 0; i < BestTimes::captionCount; ++i) {
        lines.push_back(OneLine(settings.bestTimes.caption(i)));
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

bool WriteRecords(const QString& path, const SavedSettings& settings) {
    const QByteArray bytes = RecordsBytes(settings);
    if (bytes.isEmpty()) {
        return false;
    }
    return platform::ReplaceFile(path, bytes);
}

} // namespace torvane::store
