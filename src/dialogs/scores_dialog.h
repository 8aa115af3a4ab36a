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
    ScoresDialog(const store::BestTimes& bestTimes, QWidget* parent = nullptr);

    // Shows the table as it is now, for the next showing.
    void LoadTable();
    // "确定", the close box and Escape all just hide the table.
    void reject() override;

  private:
    const store::BestTimes& bestTimes_;
    std::array<QLabel*, store::BestTimes::captionCount> captions_{};
};

} // namespace torvane::dialogs
