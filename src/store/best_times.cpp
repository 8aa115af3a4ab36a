#include "store/best_times.h"

#include "game/record_rule.h"
#include "platform/text_number.h"

namespace torvane::store {

QString BestTimes::bounded(const QString& caption) {
    if (caption.size() <= maxCaptionLength) {
        return caption;
    }
    // Never keep half of a surrogate pair.
    const qsizetype length =
        caption[maxCaptionLength - 1].isHighSurrogate() ? maxCaptionLength - 1 : maxCaptionLength;
    return caption.left(length);
}

const QString& BestTimes::caption(int index) const {
    return index % 2 == 0 ? time(index / 2) : name(index / 2);
}

void BestTimes::setCaption(int index, const QString& caption) {
    if (index % 2 == 0) {
        setTime(index / 2, caption);
    } else {
        setName(index / 2, caption);
    }
}

BestTimes mergeBestTimes(const BestTimes& inFile, const BestTimes& ours,
                         const std::optional<BestTimes>& known) {
    BestTimes merged = inFile;
    for (int level = 0; level < BestTimes::levelCount; ++level) {
        const double oursSeconds = platform::numericValue(ours.time(level));
        const double fileSeconds = platform::numericValue(inFile.time(level));
        const bool tie = !game::isNewRecord(oursSeconds, fileSeconds) &&
                         !game::isNewRecord(fileSeconds, oursSeconds);
        const bool fileAsKnown = known && inFile.time(level) == known->time(level) &&
                                 inFile.name(level) == known->name(level);
        if (game::isNewRecord(oursSeconds, fileSeconds) || (tie && fileAsKnown)) {
            merged.setTime(level, ours.time(level));
            merged.setName(level, ours.name(level));
        }
    }
    return merged;
}

} // namespace torvane::store
