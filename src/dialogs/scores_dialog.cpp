#include "dialogs/scores_dialog.h"

#include "dialogs/dialog_form.h"
#include "dialogs/twips.h"
#include "platform/control_names.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace torvane::dialogs {

namespace {

// The top row shows level 2, the bottom row level 0.
constexpr int rowTop(int level) {
    return 1080 - 360 * level;
}
constexpr int timeLeft = 1560;

QLabel* makeLabel(const QString& caption, const QString& name, const QRect& rect, QWidget* parent) {
    QLabel* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(rect);
    // Names come from the player and the records file: show them as typed, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

ScoresDialog::ScoresDialog(QWidget* parent) : QDialog(parent) {
    setUpDialogForm(*this, controlName::bestTimesDialog, tr("成绩榜"), 4560, 2055);

    auto* frame = new QGroupBox(tr("排名："), this);
    frame->setObjectName(controlName::bestTimesFrame);
    frame->setGeometry(twipsRect(120, 120, 4335, 1455));

    const QString rowCaptions[store::BestTimes::levelCount] = {tr("菜鸟玩家："), tr("中级玩家："),
                                                               tr("专业玩家：")};
    for (int level = 0; level < store::BestTimes::levelCount; ++level) {
        const int top = rowTop(level);
        widenToFit(*makeLabel(rowCaptions[level],
                              controlName::indexed(controlName::bestTimesRowCaption, level),
                              twipsRect(240, top, 1095, 255), frame),
                   pixels(timeLeft) - 4);
        entries_[2 * level] =
            makeLabel({}, controlName::indexed(controlName::bestTimesEntry, 2 * level),
                      twipsRect(timeLeft, top, 735, 255), frame);
        entries_[2 * level + 1] =
            makeLabel({}, controlName::indexed(controlName::bestTimesEntry, 2 * level + 1),
                      twipsRect(2640, top, 1215, 255), frame);
    }

    auto* ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(controlName::bestTimesOk);
    ok->setGeometry(twipsRect(3480, 1680, 975, 295));
    ok->setDefault(true);
    ok->setFocus();
    makeRoomForCaptions(*this);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
}

void ScoresDialog::showTable(const store::BestTimes& bestTimes) {
    for (int level = 0; level < store::BestTimes::levelCount; ++level) {
        const QString& time = bestTimes.time(level);
        const QString& name = bestTimes.name(level);
        // A level nobody has won still holds the file's default pair: its name is a caption,
        // shown in the player's language. Any other name is the player's and shown as stored.
        const bool unwon = time == store::BestTimes::noTime && name == store::BestTimes::noName;
        entries_[static_cast<std::size_t>(2 * level)]->setText(time);
        entries_[static_cast<std::size_t>(2 * level + 1)]->setText(unwon ? tr("匿名") : name);
    }
}

void ScoresDialog::reject() {
    hide();
}

} // namespace torvane::dialogs
