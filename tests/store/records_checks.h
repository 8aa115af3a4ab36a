#pragma once

#include "game/custom_size.h"
#include "game/level.h"
#include "platform/text_number.h"
#include "store/records_format.h"

#include <QByteArray>
#include <string>

// What start-up makes of any records file, checked on the production path. Shared by the
// records property test and the records fuzzer; each check is empty when it holds, else what
// is wrong.
namespace torvane::store::checks {

inline std::string shown(const RecordsContents& contents) {
    const PlayedField& f = contents.field;
    std::string shown = std::to_string(f.level) + " | " + std::to_string(f.fieldWidth) + " x " +
                        std::to_string(f.fieldHeight) + ", " + std::to_string(f.mineTotal);
    for (int level = 0; level < BestTimes::levelCount; ++level) {
        shown += " [" + contents.bestTimes.time(level).toStdString() + "][" +
                 contents.bestTimes.name(level).toStdString() + "]";
    }
    return shown;
}

// The field start-up plays, as the game's state makes it.
inline game::FieldSize startField(const PlayedField& field) {
    return game::levelField(
        game::selectableLevel(field.level),
        game::customField({field.fieldWidth, field.fieldHeight, field.mineTotal}));
}

// A sound game, and no text taken for a time: every time is a whole number of seconds.
inline std::string startFault(const RecordsContents& contents) {
    if (!game::isPlayable(startField(contents.field))) {
        return "unplayable start: " + shown(contents);
    }
    for (int level = 0; level < BestTimes::levelCount; ++level) {
        const std::optional<std::int16_t> seconds =
            platform::toInt16(contents.bestTimes.time(level));
        if (!seconds || *seconds < 0) {
            return "a time that is no time: " + shown(contents);
        }
    }
    return {};
}

// What is written of the contents reads back clean as the same contents, a line break inside a
// caption as a blank.
inline std::string roundTripFault(const RecordsContents& contents) {
    RecordsContents expected = contents;
    for (int level = 0; level < BestTimes::levelCount; ++level) {
        Record record = contents.bestTimes.record(level);
        for (QString* caption : {&record.time, &record.name}) {
            caption->replace(QStringLiteral("\r\n"), QStringLiteral(" "));
            for (const char16_t lineBreak :
                 {u'\r', u'\n', u'\v', u'\f', u'\u0085', u'\u2028', u'\u2029'}) {
                caption->replace(QChar(lineBreak), u' ');
            }
        }
        expected.bestTimes.setRecord(level, record);
    }
    const ParsedRecords back = parseRecords(recordsBytes(contents));
    if (back.contents != expected || back.condition != Condition::Clean) {
        return "wrote " + shown(expected) + ", read back " + shown(back.contents);
    }
    return {};
}

// A file read as clean loses nothing by being rewritten: its first ten lines are what is
// written back, whatever their line ends were.
inline std::string cleanFault(const QByteArray& bytes, const ParsedRecords& parsed) {
    if (parsed.condition != Condition::Clean && parsed.condition != Condition::CleanTail) {
        return {};
    }
    QByteArray lines = QByteArray(bytes).replace("\r\n", "\n").replace('\r', '\n');
    if (!lines.endsWith('\n')) {
        lines += '\n';
    }
    qsizetype end = 0;
    for (int line = 0; line < recordsLineCount; ++line) {
        end = lines.indexOf('\n', end) + 1;
        if (end == 0) {
            return "clean with fewer than ten lines";
        }
    }
    const QByteArray written = recordsBytes(parsed.contents);
    if (lines.first(end) != QByteArray(written).replace("\r\n", "\n")) {
        return "clean, but the lines written back differ: " + written.toHex(' ').toStdString();
    }
    if ((end < lines.size()) != (parsed.condition == Condition::CleanTail)) {
        return "a tail misjudged";
    }
    return {};
}

} // namespace torvane::store::checks
