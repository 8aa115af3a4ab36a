#pragma once

#include "dialogs/custom_size_texts.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace torvane::dialogs {

// The custom field size in three boxes. "确定" corrects what was typed and keeps it; "取消", the
// close box and Escape keep it as typed.
class CustomDialog : public QDialog {
    Q_OBJECT

  public:
    explicit CustomDialog(QWidget* parent = nullptr);

    // The texts the boxes show at the next showing.
    void setTexts(const CustomSizeTexts& texts);
    // What the player left in the boxes, corrected if they chose "确定".
    CustomSizeTexts texts() const;

    void reject() override;

  private:
    void onOkClicked();

    std::array<QLineEdit*, 3> boxes_{};
};

} // namespace torvane::dialogs
