#pragma once

#include "game/colour.h"

#include <QLabel>

namespace torvane::status {

// The counter and the clock: bold numbers on black in a thin frame.
class StatusLabel : public QLabel {
    Q_OBJECT
  public:
    explicit StatusLabel(QWidget* parent = nullptr);
    void SetForeColour(game::Colour colour);
    game::Colour ForeColour() const { return foreColour_; }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    game::Colour foreColour_ = game::colour::red;
    bool pressed_ = false;
};

} // namespace torvane::status
