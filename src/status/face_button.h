#pragma once

#include "game/cell_state.h"

#include <QPushButton>

namespace torvane::status {

// The face above the field; a click starts a new game. Each state is painted as its face (a
// neutral, smiling or frowning one) on its own colour.
class FaceButton : public QPushButton {
    Q_OBJECT
  public:
    explicit FaceButton(QWidget* parent = nullptr);
    void showFace(game::Face face);
    game::Face face() const { return face_; }
    QColor backColour() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void describeFace();

    game::Face face_ = game::Face::Playing;
};

} // namespace torvane::status
