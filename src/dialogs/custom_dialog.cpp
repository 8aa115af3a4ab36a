#include "dialogs/custom_dialog.h"

#include "dialogs/custom_field.h"
#include "dialogs/dialog_form.h"
#include "dialogs/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

namespace torvane::dialogs {

namespace {

constexpr int labelTops[3] = {195, 510, 855};
constexpr int boxTops[3] = {150, 480, 810};
const char16_t* const captions[3] = {u"宽度：", u"高度：", u"雷数："};

} // namespace

CustomDialog::CustomDialog(QWidget* parent) : QDialog(parent) {
    SetUpDialogForm(*this, "formCustom", QStringLiteral("自定义难度"), 2865, 1230);

    for (int i = 0; i < 3; ++i) {
        QLabel* label = new QLabel(QString::fromUtf16(captions[i]), this);
        label->setObjectName(IndexedName("Label1", i));
        label->setGeometry(TwipsRect(120, labelTops[i], 615, 255));
        label1[i] = label;

        QLineEdit* box = new QLineEdit(this);
        box->setObjectName(IndexedName("Text1", i));
        box->setGeometry(TwipsRect(930, boxTops[i], 705, 285));
        // The boxes store the size between uses: never cut a text short.
        box->setMaxLength(std::numeric_limits<int>::max());
        text1[i] = box;
    }

    command1 = new QPushButton(QStringLiteral("确定"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(TwipsRect(1920, 180, 825, 315));
    command1->setDefault(true);
    command2 = new QPushButton(QStringLiteral("取消"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setGeometry(TwipsRect(1920, 810, 825, 315));

    setTabOrder(text1[0], text1[1]);
    setTabOrder(text1[1], text1[2]);
    setTabOrder(text1[2], command1);
    setTabOrder(command1, command2);
    text1[0]->setFocus();

    connect(command1, &QPushButton::clicked, this, &CustomDialog::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &CustomDialog::Command2_Click);
}

QLineEdit* CustomDialog::Text1(int i) const {
    return text1.at(static_cast<std::size_t>(i));
}

QLabel* CustomDialog::Label1(int i) const {
    return label1.at(static_cast<std::size_t>(i));
}

std::array<QString, 3> CustomDialog::Texts() const {
    return {text1[0]->text(), text1[1]->text(), text1[2]->text()};
}

void CustomDialog::SetTexts(const std::array<QString, 3>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (text1[i]->text() != texts[i]) {
            text1[i]->setText(texts[i]);
        }
    }
}

void CustomDialog::Command1_Click() {
    SetTexts(CorrectCustomTexts(Texts()));
    hide();
}

void CustomDialog::Command2_Click() {
    hide();
}

void CustomDialog::reject() {
    Command2_Click();
}

} // namespace torvane::dialogs
