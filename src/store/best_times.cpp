#include "store/best_times.h"

#include "game/record_rule.h"
#include "platform/text_number.h"

namespace torvane::store {

QString BestTimes::bounded(const QString& caption) {
    if (caption.size() <= maxCaptionLength) {
        return caption;
    }
    const qsizetype length =
        caption[maxCaptionLength - 1].isHighSurrogate() ? maxCaptionLength - 1 : maxCaptionLength;
    return caption.left(length);
}

BestTimes mergeBestTimes(const BestTimes& inFile, const BestTimes& ours,
                         const std::optional<BestTimes>& known) {
    BestTimes merged = inFile;
    for (int level = 0; level < BestTimes::levelCount; ++level) {
        const double oursSeconds = platform::numericValue(ours.time(level));
        const double fileSeconds = platform::numericValue(inFile.time(level));
        const bool tie = oursSeconds == fileSeconds;
        const bool fileAsKnown = known && inFile.record(level) == known->record(level);
        if (game::isNewRecord(oursSeconds, fileSeconds) || (tie && fileAsKnown)) {
            merged.setRecord(level, ours.record(level));
        }
    }
    return merged;
}

} // namespace torvane::store
