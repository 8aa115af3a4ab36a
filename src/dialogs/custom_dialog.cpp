#include "dialogs/custom_dialog.h"

#include "dialogs/dialog_form.h"
#include "dialogs/twips.h"
#include "platform/control_names.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

namespace torvane::dialogs {

namespace {

constexpr int labelTops[3] = {195, 510, 855};
constexpr int boxTops[3] = {150, 480, 810};
constexpr int boxLeft = 930;

} // namespace

CustomDialog::CustomDialog(QWidget* parent) : QDialog(parent) {
    setUpDialogForm(*this, controlName::customDialog, tr("自定义难度"), 2865, 1230);

    const QString captions[3] = {tr("宽度："), tr("高度："), tr("雷数：")};
    for (int i = 0; i < 3; ++i) {
        QLabel* label = new QLabel(captions[i], this);
        label->setObjectName(controlName::indexed(controlName::customCaption, i));
        label->setGeometry(twipsRect(120, labelTops[i], 615, 255));
        widenToFit(*label, pixels(boxLeft) - 2);

        QLineEdit* box = new QLineEdit(this);
        box->setObjectName(controlName::indexed(controlName::customBox, i));
        box->setGeometry(twipsRect(boxLeft, boxTops[i], 705, 285));
        // The boxes store the size between uses: never cut a text short.
        box->setMaxLength(std::numeric_limits<int>::max());
        // The caption names its box to a screen reader, and its access key reaches it.
        label->setBuddy(box);
        boxes_[i] = box;
    }

    auto* ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(controlName::customOk);
    ok->setGeometry(twipsRect(1920, 180, 825, 315));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(controlName::customCancel);
    cancel->setGeometry(twipsRect(1920, 810, 825, 315));

    setTabOrder(boxes_[0], boxes_[1]);
    setTabOrder(boxes_[1], boxes_[2]);
    setTabOrder(boxes_[2], ok);
    setTabOrder(ok, cancel);
    boxes_[0]->setFocus();

    makeRoomForCaptions(*this);
    connect(ok, &QPushButton::clicked, this, &CustomDialog::onOkClicked);
    connect(cancel, &QPushButton::clicked, this, &CustomDialog::hide);
}

void CustomDialog::setTexts(const CustomSizeTexts& texts) {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (boxes_[i]->text() != texts[i]) {
            boxes_[i]->setText(texts[i]);
        }
    }
}

CustomSizeTexts CustomDialog::texts() const {
    return {boxes_[0]->text(), boxes_[1]->text(), boxes_[2]->text()};
}

void CustomDialog::onOkClicked() {
    setTexts(correctCustomTexts(texts()));
    hide();
}

// The close box and Escape act as "取消": the boxes keep what was typed.
void CustomDialog::reject() {
    hide();
}

} // namespace torvane::dialogs
