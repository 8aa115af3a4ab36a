#include "app/new_record.h"

#include "dialogs/name_prompt.h"
#include "game/record_rule.h"
#include "platform/text_number.h"
#include "store/best_times.h"

namespace torvane::app {

bool takeRecord(store::BestTimes& bestTimes, const game::Win& win) {
    if (!game::keepsRecords(win.level) ||
        !game::isNewRecord(win.seconds, platform::numericValue(bestTimes.time(win.level)))) {
        return false;
    }
    bestTimes.setTime(win.level, platform::decimalText(win.seconds));
    bestTimes.setName(win.level, dialogs::NamePrompt::unnamedHolder());
    return true;
}

} // namespace torvane::app
