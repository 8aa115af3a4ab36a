#pragma once

#include "status/status_label.h"

namespace torvane::status {

// The counter left of the face: mines not yet flagged in red, or safe cells still covered in
// green. A click switches between the two.
class CounterLabel : public StatusLabel {
    Q_OBJECT
  public:
    explicit CounterLabel(QWidget* parent = nullptr);
    void showCount(int value, bool minesLeftMode);
    // What a mouse click does, for those who press the counter another way (a screen reader).
    void click();

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

} // namespace torvane::status
