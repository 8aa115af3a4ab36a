#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace torvane::dialogs {

// formCustom: its three boxes hold the custom field size between uses, so the dialog is
// only ever hidden, never destroyed, until the main window goes.
class CustomDialog : public QDialog {
    Q_OBJECT

  public:
    explicit CustomDialog(QWidget* parent = nullptr);

    QLineEdit* Text1(int i) const;
    QLabel* Label1(int i) const;
    QPushButton* Command1() const { return command1; }
    QPushButton* Command2() const { return command2; }

    // Columns, rows and mines, as typed.
    std::array<QString, 3> Texts() const;
    void SetTexts(const std::array<QString, 3>& texts);

    // "确定": corrects the boxes, then hides.
    void Command1_Click();
    // "取消": hides and keeps whatever was typed.
    void Command2_Click();

    // The close box and Escape act as "取消".
    void reject() override;

  private:
    std::array<QLabel*, 3> label1{};
    std::array<QLineEdit*, 3> text1{};
    QPushButton* command1 = nullptr;
    QPushButton* command2 = nullptr;
};

} // namespace torvane::dialogs
