#pragma once

#include "dialogs/custom_field.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace torvane::dialogs {

// The custom field size: three boxes over the custom size texts. "确定" corrects what was
// typed and keeps it; "取消", the close box and Escape keep it as typed.
class CustomDialog : public QDialog {
    Q_OBJECT

  public:
    CustomDialog(CustomSizeTexts& texts, QWidget* parent = nullptr);

    // Fills the boxes from the texts, for the next showing.
    void LoadTexts();
    void onOkClicked();
    void onCancelClicked();
    void reject() override;

  private:
    CustomSizeTexts TypedTexts() const;

    CustomSizeTexts& texts_;
    std::array<QLineEdit*, 3> boxes_{};
};

} // namespace torvane::dialogs
