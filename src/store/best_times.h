#pragma once

#include "game/clock.h"
#include "game/level.h"

#include <QString>
#include <array>
#include <optional>

namespace torvane::store {

// The best time of each preset level with its holder's name, as the records file keeps them:
// texts, since a hand-edited file may hold anything there.
class BestTimes {
  public:
    static constexpr int levelCount = game::presetLevelCount;
    static constexpr int captionCount = 2 * levelCount;
    // A level nobody has won yet: the most the clock can show.
    static inline const QString noTime = QString::number(game::clockCap);
    static inline const QString noName = QStringLiteral("匿名");
    // Every caption is cut to this many UTF-16 units as it enters, from the name prompt or a
    // hand-edited file, so that a written file stays far below what the reader takes in.
    static constexpr qsizetype maxCaptionLength = 64;

    const QString& time(int level) const { return entries_.at(slot(level)).time; }
    const QString& name(int level) const { return entries_.at(slot(level)).name; }
    void setTime(int level, const QString& time) { entries_.at(slot(level)).time = bounded(time); }
    void setName(int level, const QString& name) { entries_.at(slot(level)).name = bounded(name); }

    // A caption as the table keeps it: cut to the bound, never inside a surrogate pair.
    static QString bounded(const QString& caption);

    // The table in file order: time then name, level 0 first.
    const QString& caption(int index) const;
    void setCaption(int index, const QString& caption);

    friend bool operator==(const BestTimes&, const BestTimes&) = default;

  private:
    struct Entry {
        QString time = noTime;
        QString name = noName;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    static std::size_t slot(int level) { return static_cast<std::size_t>(level); }

    std::array<Entry, levelCount> entries_{};
};

// The table to keep when this copy's table meets the one in the file, level by level: a
// strictly shorter time wins. On a tie the file's record stays, unless the file still holds
// what this copy last read or wrote there (`known`): the tie is then this copy's own record, a
// name typed after the win, say. No level ever ends up with a longer time than either holds.
BestTimes mergeBestTimes(const BestTimes& inFile, const BestTimes& ours,
                         const std::optional<BestTimes>& known);

} // namespace torvane::store
