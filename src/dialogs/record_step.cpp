#include "dialogs/record_step.h"

#include "dialogs/modal_seam.h"
#include "dialogs/scores_dialog.h"
#include "platform/text_number.h"

#include <QLabel>

namespace torvane::dialogs {

void RecordStep(std::int16_t level, const QString& clockCaption, ScoresDialog& scores,
                ModalRunner& modal) {
    // The custom level keeps no table; a negative level has no row either.
    if (level < 0 || level >= 3) {
        return;
    }
    QLabel* const timeLabel = scores.Label1(2 * level);
    QLabel* const nameLabel = scores.Label1(2 * level + 1);
    const double best = platform::NumericValue(timeLabel->text());
    const double now = platform::NumericValue(clockCaption);
    if (!(best > now)) {
        return;
    }
    // The time goes in first, so a cancelled prompt still keeps it.
    timeLabel->setText(clockCaption);
    nameLabel->setText(modal.AskName(QStringLiteral("恭喜，请输入您的大名："),
                                     QStringLiteral("继续努力"), QStringLiteral("无名菜鸟")));
    if (nameLabel->text().isEmpty()) {
        nameLabel->setText(QStringLiteral("无名菜鸟"));
    }
    modal.ShowModal(scores);
}

} // namespace torvane::dialogs
