#pragma once

#include "game/level.h"
#include "store/best_times.h"

#include <QByteArray>
#include <QIODevice>
#include <cstdint>

namespace torvane::store {

// The game the file keeps: the last level with its field size, as 16-bit numbers.
struct PlayedField {
    std::int16_t level = game::firstLevel;
    std::int16_t fieldWidth = 0;
    std::int16_t fieldHeight = 0;
    std::int16_t mineTotal = 0;
    friend bool operator==(const PlayedField&, const PlayedField&) = default;
};

// Everything the file holds.
struct RecordsContents {
    PlayedField field;
    BestTimes bestTimes;
    friend bool operator==(const RecordsContents&, const RecordsContents&) = default;
};

// The file's ten lines: the level, columns, rows and mines, then each preset level's time and
// name, level 0 first.
inline constexpr int numberLineCount = 4;
inline constexpr int recordsLineCount = numberLineCount + 2 * BestTimes::levelCount;

// What a read found beside the values.
enum class Condition {
    Empty,     // no bytes: a first start
    Clean,     // writing back what was read gives the same ten lines, line ends aside
    CleanTail, // ten clean lines, and something after them that no version of the game reads
    Damaged,   // the ten lines lose something when written back
};

struct ParsedRecords {
    RecordsContents contents; // what the read did not reach keeps its first start's value
    Condition condition = Condition::Empty;
};

// The level and size are all the first frame needs; the names can wait for their first use.
enum class Reach { Everything, FieldOnly };

// Reads as far as the file is sound and stops quietly at the first number or time line that is
// no number (a negative time is none either): no text is ever taken for a time. Each line is
// read on its own, at most 4 KiB of it, so a very long line costs only its own tail.
ParsedRecords parseRecords(QIODevice& device, Reach reach = Reach::Everything);
ParsedRecords parseRecords(const QByteArray& bytes, Reach reach = Reach::Everything);

// The exact bytes written: ten GB18030 lines ending in CR LF, a line break inside a caption
// written as a blank. Empty when the toolkit has no GB18030 codec.
QByteArray recordsBytes(const RecordsContents& contents);

} // namespace torvane::store
