#include "store/best_times.h"

namespace torvane::store {

QString BestTimes::Bounded(const QString& caption) {
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

} // namespace torvane::store
