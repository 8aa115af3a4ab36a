#pragma once

#include "status/colours.h"

#include <QLabel>

namespace torvane::status {

// The look of the counter and the clock: bold numbers on black in a thin frame.
class StatusLabel : public QLabel {
    Q_OBJECT
  public:
    explicit StatusLabel(QWidget* parent = nullptr);
    void setForeColour(const QColor& colour);
    QColor foreColour() const { return foreColour_; }

  private:
    QColor foreColour_ = clockColour;
};

} // namespace torvane::status
