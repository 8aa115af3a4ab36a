#pragma once

#include "store/best_times.h"

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
    // All ten lines read, every one sound: rewriting the file loses nothing of it.
    bool clean = false;
};

// A records file's bytes as read at one moment: at most what the reader takes in, and whether
// that was the whole file. Empty for anything that is not a readable regular file.
struct RecordsFileBytes {
    QByteArray bytes;
    bool complete = true;
};
RecordsFileBytes LoadRecordsFile(const QString& path);

// The level and size are all the first frame needs; the table can wait for its first use.
enum class RecordsPart { Everything, Numbers };

// Reads as far as the file is sound and stops quietly at the first failure: a missing or
// unreadable file or anything but a regular file, its end, or a number line that is no 16-bit
// integer. Never throws.
RecordsRead ReadRecords(const QString& path);

// The same reading on the file's bytes, with the same cap on their size. `complete` is false
// when the bytes were cut off before the file's end, so a last line without an end may be only
// part of a line.
RecordsRead ReadRecordsFrom(QByteArrayView bytes, bool complete = true,
                            RecordsPart part = RecordsPart::Everything);

// Everything the file keeps: the last level with its field size, and the best times.
struct SavedSettings {
    std::int16_t level = 1; // the intermediate level, the first start's
    std::int16_t fieldWidth = 0;
    std::int16_t fieldHeight = 0;
    std::int16_t mineTotal = 0;
    BestTimes bestTimes;
    friend bool operator==(const SavedSettings&, const SavedSettings&) = default;
};

// The settings one read yields: what the read did not reach keeps its first-start value.
SavedSettings SettingsFrom(const RecordsRead& read);

// Replaces the file as a whole, or leaves the old one untouched: true when the whole file
// landed. Never throws.
bool WriteRecords(const QString& path, const SavedSettings& settings);

// The exact bytes written: ten GB18030 lines ending in CR LF. Empty when the toolkit has no
// GB18030 codec.
QByteArray RecordsBytes(const SavedSettings& settings);

} // namespace torvane::store
