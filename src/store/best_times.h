#pragma once

#include "game/clock.h"
#include "game/level.h"

#include <QString>
#include <array>
#include <optional>

namespace torvane::store {

// One level's best time and its holder, as the file keeps them: texts, since a hand-edited file
// may hold anything there.
struct Record {
    // A level nobody has won yet: the most the clock can show, and nobody's name.
    static inline const QString noTime = QString::number(game::clockCap);
    static inline const QString noName = QStringLiteral("匿名");

    QString time = noTime;
    QString name = noName;

    bool isUnwon() const { return time == noTime && name == noName; }
    friend bool operator==(const Record&, const Record&) = default;
};

// The best time of each preset level with its holder.
class BestTimes {
  public:
    static constexpr int levelCount = game::presetLevelCount;
    static constexpr int captionCount = 2 * levelCount;
    static inline const QString& noTime = Record::noTime;
    static inline const QString& noName = Record::noName;
    // A caption is cut to this many UTF-16 units as it enters, from the name prompt or a
    // hand-edited file, so that a written file stays far below what the reader takes in.
    static constexpr qsizetype maxCaptionLength = 64;

    const Record& record(int level) const { return records_.at(slot(level)); }
    const QString& time(int level) const { return record(level).time; }
    const QString& name(int level) const { return record(level).name; }
    void setRecord(int level, const Record& record) {
        records_.at(slot(level)) = {bounded(record.time), bounded(record.name)};
    }

    // A caption as the table keeps it: cut to the bound, never inside a surrogate pair.
    static QString bounded(const QString& caption);

    friend bool operator==(const BestTimes&, const BestTimes&) = default;

  private:
    static std::size_t slot(int level) { return static_cast<std::size_t>(level); }

    std::array<Record, levelCount> records_{};
};

// The table to keep when this copy's table meets the one in the file, level by level: a
// strictly shorter time wins. On a tie the file's record stays, unless the file still holds
// what this copy last read or wrote there (`known`): the tie is then this copy's own record, a
// name typed after the win, say.
BestTimes mergeBestTimes(const BestTimes& inFile, const BestTimes& ours,
                         const std::optional<BestTimes>& known);

} // namespace torvane::store
