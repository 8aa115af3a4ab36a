#pragma once

#include "game/cell.h"
#include "game/cell_state.h"
#include "view/drawn_tiles.h"

#include <QFrame>
#include <QImage>
#include <optional>
#include <span>

namespace torvane::game {
class Game;
}

namespace torvane::view {

// The field: a sunken frame around a persistent image of the tiles. It draws the cells the game
// says changed, and turns mouse presses into a cell and an action.
class FieldView : public QFrame {
    Q_OBJECT
  public:
    static constexpr int border = 2;

    explicit FieldView(QWidget* parent = nullptr);

    // Sizes the picture for the game's field and fills it with the background.
    void resizeToField(const game::Game& game);
    // Draws the cells, in their order, as the game shows them now, and shows them on screen.
    void drawCells(const game::Game& game, std::span<const game::Cell> cells);

    const QImage& image() const { return image_; }
    static QColor background();

  signals:
    // A press of the left, right or middle button on the picture, with the cell whose tile shows
    // under the pointer; beside the tiles, the cell or nothing that the rows' rectangles give.
    // Presses on the border are not the field's.
    void pressed(std::optional<game::Cell> cell, game::Action action);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void drawTile(game::Cell cell, int tile);
    QPointF pointerPosition(const QMouseEvent& event) const;

    QImage image_;
    DrawnTiles tiles_;
    int columns_ = 1;
    int rows_ = 1;
};

} // namespace torvane::view
