#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace torvane::store {

// What one read of the file yielded, in file order; the caller applies each value at once.
struct RecordsRead {
    std::optional<std::int16_t> level, fieldWidth, fieldHeight, mineTotal; // lines 1-4
    std::vector<QString> tableCaptions; // lines 5-10 as read, at most 6
};

// Reads as far as the file is sound and stops quietly at the first failure: a missing or
// unreadable file, its end, or a number line that is no 16-bit integer. Never throws.
RecordsRead ReadRecords(const QString& path);

// The same reading on the file's bytes, with the same cap on their size. `complete` is false
// when the bytes were cut off before the file's end, so a last line without an end may be only
// part of a line.
RecordsRead ReadRecordsFrom(QByteArrayView bytes, bool complete = true);

struct RecordsToWrite {
    std::int16_t level, fieldWidth, fieldHeight, mineTotal;
    std::array<QString, 6> tableCaptions;
};

// Replaces the file as a whole, or leaves the old one untouched: true when the whole file
// landed. Never throws.
bool WriteRecords(const QString& path, const RecordsToWrite& records);

// The exact bytes written: ten GB18030 lines ending in CR LF. Empty when the toolkit has no
// GB18030 codec.
QByteArray RecordsBytes(const RecordsToWrite& records);

} // namespace torvane::store
