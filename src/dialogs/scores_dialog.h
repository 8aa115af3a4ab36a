#pragma once

#include "store/best_times.h"

#include <QDialog>
#include <array>

class QLabel;

namespace torvane::dialogs {

// Shows the best-times table: a row a preset level, expert at the top.
class ScoresDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ScoresDialog(QWidget* parent = nullptr);

    // The table the dialog shows at the next showing.
    void showTable(const store::BestTimes& bestTimes);
    // "确定", the close box and Escape all just hide the table.
    void reject() override;

  private:
    std::array<QLabel*, store::BestTimes::captionCount> entries_{};
};

} // namespace torvane::dialogs
