#include "view/field_view.h"

#include "game/hex_geometry.h"
#include "platform/raster_blit.h"
#include "view/tile_sheet.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

namespace torvane::view {

FieldView::FieldView(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture2"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(border);
    setFocusPolicy(Qt::StrongFocus);
    // The image covers everything inside the frame: no background fill needed.
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetFieldSize(1, 1);
}

// The navy of a classic active title bar.
QColor FieldView::Background() {
    return QColor(0, 0, 128);
}

void FieldView::SetFieldSize(int columns, int rows) {
    const auto inner = game::FieldPixelSize(columns, rows);
    setFixedSize(inner.x + 2 * border, inner.y + 2 * border);
    if (image_.size() != QSize(inner.x, inner.y)) {
        image_ = QImage(inner.x, inner.y, QImage::Format_RGB32);
        image_.fill(Background());
        dirty_ = image_.rect();
    }
}

void FieldView::Clear() {
    image_.fill(Background());
    dirty_ = image_.rect();
}

void FieldView::DrawTile(int x, int y, game::TileIndex t) {
    const auto at =
        game::TilePosition({static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
    const QImage& sheet = TileSheet();
    platform::MaskedBlit(image_, at.x, at.y, game::tileWidth, game::tileHeight, sheet, maskColumn,
                         0, TileColumn(t), 0);
    dirty_ |= QRect(at.x, at.y, game::tileWidth, game::tileHeight);
}

// Only the part drawn since the last refresh: a press changes a cell or a region,
// and the rest of the screen already shows the image.
void FieldView::Refresh() {
    const QRect changed = dirty_ & image_.rect();
    dirty_ = QRect();
    if (!changed.isEmpty()) {
        repaint(changed.translated(contentsRect().topLeft()));
    }
}

void FieldView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    // Drawn at whole device pixels without smoothing, so the art stays sharp when scaled.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect target = event->rect() & contentsRect();
    painter.drawImage(target, image_, target.translated(-contentsRect().topLeft()));
}

void FieldView::mousePressEvent(QMouseEvent* event) {
    std::int16_t button = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        button = 1;
        break;
    case Qt::RightButton:
        button = 2;
        break;
    case Qt::MiddleButton:
        button = 4;
        break;
    default:
        return;
    }
    const QRect image = contentsRect();
    const QPointF at = event->position();
    if (!image.contains(QPoint(qFloor(at.x()), qFloor(at.y())))) {
        return;
    }
    const QPointF inImage = at - QPointF(image.topLeft());
    emit pressed(button, static_cast<float>(inImage.x()), static_cast<float>(inImage.y()));
}

} // namespace torvane::view
