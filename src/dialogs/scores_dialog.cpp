#include "dialogs/scores_dialog.h"

#include "dialogs/dialog_form.h"
#include "dialogs/twips.h"
#include "platform/control_names.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace torvane::dialogs {

namespace {

// The top row shows level 2, the bottom row level 0.
constexpr int rowTop(int level) {
    return 1080 - 360 * level;
}
constexpr int timeLeft = 1560;
// Room between a row's caption and its time, whatever the caption's language.
constexpr int captionGap = 8;

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
    // Made top row first: a screen reader reads the rows in the order the children were made.
    std::array<QLabel*, store::BestTimes::levelCount> captions{};
    for (int level = store::BestTimes::levelCount - 1; level >= 0; --level) {
        const int top = rowTop(level);
        QLabel* caption = makeLabel(rowCaptions[level],
                                    controlName::indexed(controlName::bestTimesRowCaption, level),
                                    twipsRect(240, top, 1095, 255), frame);
        widenToFit(*caption, pixels(timeLeft) - captionGap);
        captions[static_cast<std::size_t>(level)] = caption;
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
    // A caption wider than its room pushes the times over, keeping the gap before them.
    QLabel* widest = *std::max_element(captions.begin(), captions.end(), [](auto* a, auto* b) {
        return a->sizeHint().width() < b->sizeHint().width();
    });
    const int room = pixels(timeLeft) - captionGap - widest->x();
    if (const int shortfall = widest->sizeHint().width() - room; shortfall > 0) {
        widenColumn(*widest, shortfall);
    }
    makeRoomForCaptions(*this);
    builtNameWidth_ = entries_[1]->width();
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
}

void ScoresDialog::showTable(const store::BestTimes& bestTimes) {
    for (int level = 0; level < store::BestTimes::levelCount; ++level) {
        const store::Record& record = bestTimes.record(level);
        // A level nobody has won still holds the file's default pair: its name is a caption,
        // shown in the player's language. Any other name is the player's and shown as stored.
        entries_[static_cast<std::size_t>(2 * level)]->setText(record.time);
        entries_[static_cast<std::size_t>(2 * level + 1)]->setText(record.isUnwon() ? tr("匿名")
                                                                                    : record.name);
    }
    fitNames();
}

void ScoresDialog::fitNames() {
    int needed = builtNameWidth_;
    for (int level = 0; level < store::BestTimes::levelCount; ++level) {
        needed =
            std::max(needed, entries_[static_cast<std::size_t>(2 * level + 1)]->sizeHint().width());
    }
    if (const int extra = needed - entries_[1]->width(); extra != 0) {
        widenColumn(*entries_[1], extra);
    }
}

void ScoresDialog::reject() {
    hide();
}

} // namespace torvane::dialogs
