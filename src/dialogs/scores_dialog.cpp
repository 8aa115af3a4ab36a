#include "dialogs/scores_dialog.h"

#include "dialogs/dialog_form.h"
#include "dialogs/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace torvane::dialogs {

namespace {

// The top row shows level 2, the bottom row level 0.
constexpr int RowTop(int level) {
    return 1080 - 360 * level;
}
constexpr int timeLeft = 1560;

QLabel* MakeLabel(const QString& caption, const QString& name, const QRect& rect, QWidget* parent) {
    QLabel* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(rect);
    // Names come from the player and the records file: show them as typed, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

ScoresDialog::ScoresDialog(const store::BestTimes& bestTimes, QWidget* parent)
    : QDialog(parent), bestTimes_(bestTimes) {
    SetUpDialogForm(*this, "formScores", tr("成绩榜"), 4560, 2055);

    auto* frame = new QGroupBox(tr("排名："), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(TwipsRect(120, 120, 4335, 1455));

    const QString rowCaptions[store::BestTimes::levelCount] = {tr("菜鸟玩家："), tr("中级玩家："),
                                                               tr("专业玩家：")};
    for (int level = 0; level < store::BestTimes::levelCount; ++level) {
        const int top = RowTop(level);
        WidenToFit(*MakeLabel(rowCaptions[level], IndexedName("Label2", level),
                              TwipsRect(240, top, 1095, 255), frame),
                   Pixels(timeLeft) - 4);
        captions_[2 * level] = MakeLabel({}, IndexedName("Label1", 2 * level),
                                         TwipsRect(timeLeft, top, 735, 255), frame);
        captions_[2 * level + 1] = MakeLabel({}, IndexedName("Label1", 2 * level + 1),
                                             TwipsRect(2640, top, 1215, 255), frame);
    }

    auto* ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(TwipsRect(3480, 1680, 975, 295));
    ok->setDefault(true);
    ok->setFocus();
    MakeRoomForCaptions(*this);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
    LoadTable();
}

void ScoresDialog::LoadTable() {
    for (int i = 0; i < store::BestTimes::captionCount; ++i) {
        captions_[static_cast<std::size_t>(i)]->setText(bestTimes_.caption(i));
    }
}

void ScoresDialog::reject() {
    hide();
}

} // namespace torvane::dialogs
