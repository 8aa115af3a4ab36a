#include "dialogs/scores_dialog.h"

#include "dialogs/dialog_form.h"
#include "dialogs/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace torvane::dialogs {

namespace {

const char16_t* const rowCaptions[3] = {u"菜鸟玩家：", u"中级玩家：", u"专业玩家："};

// The top row shows level 2, the bottom row level 0.
constexpr int RowTop(int level) {
    return 1080 - 360 * level;
}

QLabel* MakeLabel(const QString& caption, const QString& name, const QRect& rect, QWidget* parent) {
    QLabel* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(rect);
    // Names come from the player and the records file: show them as typed, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

ScoresDialog::ScoresDialog(QWidget* parent) : QDialog(parent) {
    SetUpDialogForm(*this, "formScores", QStringLiteral("成绩榜"), 4560, 2055);

    frame1 = new QGroupBox(QStringLiteral("排名："), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(TwipsRect(120, 120, 4335, 1455));

    for (int level = 0; level < 3; ++level) {
        const int top = RowTop(level);
        label2[level] =
            MakeLabel(QString::fromUtf16(rowCaptions[level]), IndexedName("Label2", level),
                      TwipsRect(240, top, 1095, 255), frame1);
        label1[2 * level] = MakeLabel(QStringLiteral("999"), IndexedName("Label1", 2 * level),
                                      TwipsRect(1560, top, 735, 255), frame1);
        label1[2 * level + 1] =
            MakeLabel(QStringLiteral("匿名"), IndexedName("Label1", 2 * level + 1),
                      TwipsRect(2640, top, 1215, 255), frame1);
    }

    command1 = new QPushButton(QStringLiteral("确定"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(TwipsRect(3480, 1680, 975, 295));
    command1->setDefault(true);
    command1->setFocus();
    connect(command1, &QPushButton::clicked, this, &ScoresDialog::Command1_Click);
}

QLabel* ScoresDialog::Label1(int i) const {
    return label1.at(static_cast<std::size_t>(i));
}

QLabel* ScoresDialog::Label2(int level) const {
    return label2.at(static_cast<std::size_t>(level));
}

void ScoresDialog::Command1_Click() {
    hide();
}

void ScoresDialog::reject() {
    Command1_Click();
}

} // namespace torvane::dialogs
