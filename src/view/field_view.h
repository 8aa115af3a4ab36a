#pragma once

#include "game/tile.h"

#include <QFrame>
#include <QImage>

namespace torvane::view {

// The field: a sunken frame around a persistent image. Tiles are drawn into the
// image and show on screen only when the field is refreshed; window-system
// repaints come from the same image.
class FieldView : public QFrame {
    Q_OBJECT
  public:
    static constexpr int border = 2;

    explicit FieldView(QWidget* parent = nullptr);

    // Mask then tile at the cell's place; never repaints by itself.
    void DrawTile(int x, int y, game::TileIndex t);
    // Shows what was drawn since the last refresh.
    void Refresh();
    // Fills the image with the background colour.
    void Clear();
    // Outer size 18 w + 14 by 17 h + 12, border included.
    void SetFieldSize(int columns, int rows);

    const QImage& Image() const { return image_; }
    static QColor Background();

  signals:
    // A press on the image, in its pixels: button 1 left, 2 right, 4 middle. Presses on the
    // border are not the field's.
    void pressed(std::int16_t button, float x, float y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage image_;
    QRect dirty_; // in the image's pixels
};

} // namespace torvane::view
