#include "status/counter_label.h"

#include "platform/text_number.h"

#include <QMouseEvent>

namespace torvane::status {

CounterLabel::CounterLabel(QWidget* parent) : StatusLabel(parent) {
    // Nothing on the label itself says it can be clicked.
    setToolTip(tr("单击切换显示：剩余地雷数 / 未翻开的安全格数"));
}

void CounterLabel::showCount(int value, bool minesLeftMode) {
    setForeColour(minesLeftMode ? minesLeftColour : cellsLeftColour);
    setText(platform::decimalText(value));
    // The colour is the mode; a screen reader hears it in words.
    setAccessibleDescription(minesLeftMode ? tr("未标记的地雷数；单击改为显示未翻开的安全格数")
                                           : tr("未翻开的安全格数；单击改为显示未标记的地雷数"));
}

// A click is a press and a release over the label, as with a button.
void CounterLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// A double click is one click, then a double click that nothing answers.
void CounterLabel::mouseDoubleClickEvent(QMouseEvent*) {
    pressed_ = false;
}

void CounterLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

} // namespace torvane::status
