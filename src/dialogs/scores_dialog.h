#pragma once

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace torvane::dialogs {

// formScores: the six captions of Label1 are the best-times table itself, time at
// 2 x level and name at 2 x level + 1; there is no other copy. Hidden, never destroyed,
// until the main window goes.
class ScoresDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ScoresDialog(QWidget* parent = nullptr);

    QLabel* Label1(int i) const;
    QLabel* Label2(int level) const;
    QGroupBox* Frame1() const { return frame1; }
    QPushButton* Command1() const { return command1; }

    // "确定": hides.
    void Command1_Click();

    // The close box and Escape act as "确定".
    void reject() override;

  private:
    QGroupBox* frame1 = nullptr;
    std::array<QLabel*, 3> label2{};
    std::array<QLabel*, 6> label1{};
    QPushButton* command1 = nullptr;
};

} // namespace torvane::dialogs
