#pragma once

#include "game/colour.h"

#include <QPushButton>

namespace torvane::status {

// The face above the field. Its caption ("K", "J", "L") names the state and is
// painted as a neutral, smiling or frowning face on the button's back colour.
class FaceButton : public QPushButton {
    Q_OBJECT
  public:
    explicit FaceButton(QWidget* parent = nullptr);
    void SetBackColour(game::Colour colour);
    game::Colour BackColour() const { return backColour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    game::Colour backColour_ = game::colour::lightGrey;
};

} // namespace torvane::status
