#pragma once

#include "dialogs/custom_size_texts.h"
#include "game/level.h"
#include "store/records_file.h"

#include <QString>
#include <string>

// What start-up makes of any read of the records file, checked on the production path:
// settingsFrom, then the level and field the window selects. Shared by the records property
// test and the records fuzzer. Each check is empty when it holds, else what is wrong.
namespace torvane::store::checks {

inline std::string shown(const SavedSettings& s) {
    std::string shown = std::to_string(s.level) + " | " + std::to_string(s.fieldWidth) + " x " +
                        std::to_string(s.fieldHeight) + ", " + std::to_string(s.mineTotal);
    for (int i = 0; i < BestTimes::captionCount; ++i) {
        shown += " [" + s.bestTimes.caption(i).toStdString() + "]";
    }
    return shown;
}

// A caption as the table keeps it: the whole caption read, or its start when the read one is
// longer than the table takes, never half of a surrogate pair.
inline bool keptAsRead(const QString& kept, const QString& read) {
    constexpr qsizetype most = BestTimes::maxCaptionLength;
    if (read.size() <= most) {
        return kept == read;
    }
    const bool pairAtCut = read[most - 1].isHighSurrogate();
    return read.startsWith(kept) && kept.size() == (pairAtCut ? most - 1 : most);
}

// The settings hold every value the read reached; the rest keep the first start's.
inline std::string readFault(const RecordsRead& read, const SavedSettings& settings) {
    const std::optional<std::int16_t> numbers[] = {read.level, read.fieldWidth, read.fieldHeight,
                                                   read.mineTotal};
    const std::int16_t firstStart[] = {1, 0, 0, 0};
    const std::int16_t held[] = {settings.level, settings.fieldWidth, settings.fieldHeight,
                                 settings.mineTotal};
    for (int n = 0; n < 4; ++n) {
        if (held[n] != numbers[n].value_or(firstStart[n])) {
            return "number line " + std::to_string(n + 1) + " holds " + std::to_string(held[n]) +
                   ": " + shown(settings);
        }
    }
    for (int i = 0; i < BestTimes::captionCount; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        const QString& kept = settings.bestTimes.caption(i);
        const bool sound =
            at < read.tableCaptions.size()
                ? keptAsRead(kept, read.tableCaptions[at])
                : kept == (i % 2 == 0 ? QStringLiteral("999") : QStringLiteral("匿名"));
        if (!sound) {
            return "caption " + std::to_string(i) + " is [" + kept.toStdString() + "], read [" +
                   (at < read.tableCaptions.size() ? read.tableCaptions[at].toStdString()
                                                   : std::string("nothing")) +
                   "]";
        }
    }
    return {};
}

// The field start-up plays for the settings, as the game's state makes it.
inline game::FieldSize fieldOfSettings(const SavedSettings& settings) {
    return game::levelField(game::selectableLevel(settings.level),
                            dialogs::customFieldFromTexts(dialogs::textsOf(
                                {settings.fieldWidth, settings.fieldHeight, settings.mineTotal})));
}

// The window can start what the settings hold: the level it selects and that level's field,
// through the same functions it uses.
inline std::string startFault(const SavedSettings& settings) {
    const game::Level level = game::selectableLevel(settings.level);
    if (level < game::Beginner || level > game::Custom) {
        return "level " + std::to_string(level) + " selected: " + shown(settings);
    }
    const game::FieldSize field = fieldOfSettings(settings);
    if (!game::isPlayable(field)) {
        return "unplayable " + std::to_string(field.columns) + " x " + std::to_string(field.rows) +
               ", " + std::to_string(field.mines) + " mines: " + shown(settings);
    }
    return {};
}

// A clean read loses nothing: what is written back is the file's first ten lines, whatever
// their line ends were.
inline std::string cleanFault(QByteArrayView bytes, const RecordsRead& read,
                              const QByteArray& written) {
    if (!read.clean) {
        return {};
    }
    QByteArray lines = bytes.toByteArray().replace("\r\n", "\n").replace('\r', '\n');
    if (!lines.endsWith('\n')) {
        lines += '\n';
    }
    qsizetype end = 0;
    for (int line = 0; line < 10; ++line) {
        end = lines.indexOf('\n', end) + 1;
        if (end == 0) {
            return "clean with fewer than ten lines";
        }
    }
    if (lines.first(end) != QByteArray(written).replace("\r\n", "\n")) {
        return "clean, but the lines written back differ: " + written.toHex(' ').toStdString();
    }
    return {};
}

// `back`, the settings read again from what was written of `settings`, are the same; a line
// break inside a caption comes back as a blank.
inline std::string roundTripFault(const SavedSettings& settings, const SavedSettings& back) {
    SavedSettings expected = settings;
    for (int i = 0; i < BestTimes::captionCount; ++i) {
        QString caption = settings.bestTimes.caption(i);
        caption.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        for (const char16_t lineBreak :
             {u'\r', u'\n', u'\v', u'\f', u'\u0085', u'\u2028', u'\u2029'}) {
            caption.replace(QChar(lineBreak), u' ');
        }
        expected.bestTimes.setCaption(i, caption);
    }
    if (back != expected) {
        return "wrote " + shown(expected) + ", read back " + shown(back);
    }
    return {};
}

} // namespace torvane::store::checks
