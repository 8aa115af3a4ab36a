#include "dialogs/record_step.h"

#include "dialogs/modal_seam.h"
#include "game/playable_field.h"
#include "platform/text_number.h"
#include "store/best_times.h"

#include <QCoreApplication>

namespace torvane::dialogs {

bool RecordStep(std::int16_t level, int seconds, store::BestTimes& bestTimes, ModalRunner& modal,
                const std::function<void()>& showTable) {
    if (!game::KeepsRecords(level)) {
        return false;
    }
    const double best = platform::NumericValue(bestTimes.time(level));
    if (!(best > seconds)) {
        return false;
    }
    // The name offered, and kept for a player who gives none, in the player's language.
    const QString noName = QCoreApplication::translate("torvane::dialogs::NamePrompt", "无名菜鸟");
    // The time goes in first, so a cancelled prompt still keeps it; until a name comes, it is
    // nobody's, not the old holder's.
    bestTimes.setTime(level, platform::DecimalText(seconds));
    bestTimes.setName(level, noName);
    const QString name = modal.AskName(
        QCoreApplication::translate("torvane::dialogs::NamePrompt", "恭喜，请输入您的大名："),
        QCoreApplication::translate("torvane::dialogs::NamePrompt", "继续努力"), noName,
        static_cast<int>(store::BestTimes::maxCaptionLength));
    bestTimes.setName(level, name.isEmpty() ? noName : name);
    showTable();
    return true;
}

} // namespace torvane::dialogs
