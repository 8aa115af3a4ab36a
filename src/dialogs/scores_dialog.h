#pragma once

#include "store/best_times.h"

#include <QDialog>
#include <array>

class QLabel;

namespace torvane::dialogs {

// Shows the best-times table: a row a preset level, expert at the top, read in that order too.
// Every name shows whole: the name column, and the dialog, grow for the longest.
class ScoresDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ScoresDialog(QWidget* parent = nullptr);

    // The table the dialog shows at the next showing.
    void showTable(const store::BestTimes& bestTimes);
    // "确定", the close box and Escape all just hide the table.
    void reject() override;

  private:
    // The name column as wide as the longest name, never narrower than it was built.
    void fitNames();

    std::array<QLabel*, store::BestTimes::captionCount> entries_{};
    int builtNameWidth_ = 0;
};

} // namespace torvane::dialogs
