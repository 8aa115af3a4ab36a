#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace torvane::store {
class BestTimes;
}

namespace torvane::dialogs {

class ModalRunner;

// The end of a won game at a level that keeps records: a strictly shorter time than the
// level's best replaces it, asks for the player's name, then shows the table. True when the
// table changed.
bool RecordStep(std::int16_t level, int seconds, store::BestTimes& bestTimes, ModalRunner& modal,
                const std::function<void()>& showTable);

} // namespace torvane::dialogs
