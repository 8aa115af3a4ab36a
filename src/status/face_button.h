#pragma once

#include "game/game_port.h"
#include "status/colours.h"

#include <QPushButton>

namespace torvane::status {

// The face above the field; a click starts a new game. Each state has its caption ("K",
// "J", "L"), painted as a neutral, smiling or frowning face, and its back colour.
class FaceButton : public QPushButton {
    Q_OBJECT
  public:
    explicit FaceButton(QWidget* parent = nullptr);
    void ShowFace(game::Face face);
    Colour BackColour() const { return backColour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Colour backColour_ = colour::lightGrey;
    game::Face face_ = game::Face::Playing;
};

} // namespace torvane::status
