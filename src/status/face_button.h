#pragma once

#include "game/cell_state.h"
#include "game/game.h"

#include <QPushButton>

namespace torvane::status {

// The face above the field; a click starts a new game. Each state is painted as its face (a
// neutral, smiling or frowning one) on its own colour.
class FaceButton : public QPushButton {
    Q_OBJECT
  public:
    explicit FaceButton(QWidget* parent = nullptr);
    // The face drawn is the face's state; what a screen reader hears follows the game's phase,
    // which also tells a game not yet begun from one being played.
    void showFace(game::Face face, game::Phase phase);
    game::Face face() const { return face_; }
    QColor backColour() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void describeFace();

    game::Face face_ = game::Face::Playing;
    game::Phase phase_ = game::Phase::Ready;
};

} // namespace torvane::status
