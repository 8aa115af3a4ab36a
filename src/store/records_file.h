#pragma once

#include "game/level.h"
#include "store/best_times.h"
#include "store/whole_file.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace torvane::store {

// What one read of the file yielded, in file order; the caller applies each value at once.
struct RecordsRead {
    std::optional<std::int16_t> level, fieldWidth, fieldHeight, mineTotal; // lines 1-4
    std::vector<QString> tableCaptions; // lines 5-10 as read, at most 6
    // Writing back what was read gives the same text on all ten lines, only the kind of line
    // end aside, and nothing follows them: the file loses nothing by being rewritten. Found
    // only in a read of everything.
    bool clean = false;
};

// The first ten lines of a records file as read at one moment, without their ends, each cut
// to a bound so that a long line costs only its own tail. Empty for anything that is not a
// readable regular file.
struct RecordsLines {
    std::vector<QByteArray> lines;
    bool whole = true; // no line ran past the bound
    bool more = false; // something follows the tenth line
};
RecordsLines loadRecordsFile(const QString& path);

// The level and size are all the first frame needs; the table can wait for its first use.
enum class RecordsPart { Everything, Numbers };

// Reads as far as the file is sound and stops quietly at the first failure: a missing or
// unreadable file or anything but a regular file, its end, or a number or time line that is no
// 16-bit integer. Never throws.
RecordsRead readRecords(const QString& path);

// The same reading on lines already loaded, or on a file's bytes.
RecordsRead readRecordsFrom(const RecordsLines& file, RecordsPart part = RecordsPart::Everything);
RecordsRead readRecordsFrom(QByteArrayView bytes, RecordsPart part = RecordsPart::Everything);

// Everything the file keeps: the last level with its field size, and the best times.
struct SavedSettings {
    std::int16_t level = game::firstLevel;
    std::int16_t fieldWidth = 0;
    std::int16_t fieldHeight = 0;
    std::int16_t mineTotal = 0;
    BestTimes bestTimes;
    friend bool operator==(const SavedSettings&, const SavedSettings&) = default;
};

// The settings one read yields: what the read did not reach keeps its first-start value.
SavedSettings settingsFrom(const RecordsRead& read);

// Replaces the file as a whole, or leaves the old one untouched: true when the whole file
// landed, else `error` says why. Never throws.
bool writeRecords(const QString& path, const SavedSettings& settings, FileError* error = nullptr);

// The exact bytes written: ten GB18030 lines ending in CR LF. Empty when the toolkit has no
// GB18030 codec.
QByteArray recordsBytes(const SavedSettings& settings);

} // namespace torvane::store
