#include "view/field_view.h"

#include "game/game.h"
#include "platform/control_names.h"
#include "view/hex_layout.h"
#include "view/raster_blit.h"
#include "view/tile_sheet.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>
#include <cmath>

namespace torvane::view {

namespace {

std::optional<game::Action> actionOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return game::Action::Open;
    case Qt::RightButton:
        return game::Action::Flag;
    case Qt::MiddleButton:
        return game::Action::None;
    default:
        return std::nullopt;
    }
}

// A frame's role is a window's to a screen reader: the field is a picture of the board.
QAccessibleInterface* accessibleField(const QString& className, QObject* object) {
    auto* field = qobject_cast<FieldView*>(object);
    if (field == nullptr || className != QLatin1String(FieldView::staticMetaObject.className())) {
        return nullptr;
    }
    return new QAccessibleWidget(field, QAccessible::Graphic);
}

} // namespace

FieldView::FieldView(QWidget* parent)
    : QFrame(parent), tiles_(TileShape(tileSheet(), QPoint(maskColumn, 0))) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&accessibleField);
        return true;
    }();
    (void)factoryInstalled;
    setObjectName(controlName::field);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(border);
    setFocusPolicy(Qt::StrongFocus);
    // The image covers everything inside the frame: no background fill needed.
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QSize inner = fieldPixelSize(columns_, rows_);
    image_ = QImage(inner, QImage::Format_RGB32);
    image_.fill(background());
    tiles_.clear(columns_, rows_);
    setFixedSize(inner.grownBy(QMargins(border, border, border, border)));
}

// The navy of a classic active title bar.
QColor FieldView::background() {
    return QColor(0, 0, 128);
}

void FieldView::resizeToField(const game::Game& game) {
    columns_ = game.fieldSize().columns;
    rows_ = game.fieldSize().rows;
    const QSize inner = fieldPixelSize(columns_, rows_);
    setFixedSize(inner.grownBy(QMargins(border, border, border, border)));
    if (image_.size() != inner) {
        image_ = QImage(inner, QImage::Format_RGB32);
    }
    image_.fill(background());
    tiles_.clear(columns_, rows_);
    update();
}

void FieldView::drawTile(game::Cell cell, int tile) {
    const QPoint at = tilePosition(cell);
    maskedBlit(image_, at.x(), at.y(), tileWidth, tileHeight, tileSheet(), maskColumn, 0,
               tileColumn(tile), 0);
    tiles_.drawn(cell);
}

// Only the part drawn: a press changes a cell or a region, and the rest of the screen already
// shows the image.
void FieldView::drawCells(const game::Game& game, std::span<const game::Cell> cells) {
    QRect changed;
    for (const game::Cell cell : cells) {
        drawTile(cell, tileOf(game.cellAt(cell)));
        changed |= QRect(tilePosition(cell), QSize(tileWidth, tileHeight));
    }
    changed &= image_.rect();
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

// On a scaled screen the toolkit rounds position() to whole pixels, which gives half of every
// scaled pixel to the next one; the position in the window keeps the fraction. An event made by
// hand may carry its own local position there instead: then position() is all there is.
QPointF FieldView::pointerPosition(const QMouseEvent& event) const {
    const QPointF inWindow = event.scenePosition() - QPointF(mapTo(window(), QPoint()));
    const QPointF apart = inWindow - event.position();
    return std::abs(apart.x()) < 1 && std::abs(apart.y()) < 1 ? inWindow : event.position();
}

void FieldView::mousePressEvent(QMouseEvent* event) {
    const std::optional<game::Action> action = actionOf(event->button());
    const QRect picture = contentsRect();
    const QPointF at = pointerPosition(*event);
    if (!action || !picture.contains(QPoint(qFloor(at.x()), qFloor(at.y())))) {
        return;
    }
    const QPointF inPicture = at - QPointF(picture.topLeft());
    emit pressed(tiles_.cellAt(inPicture), *action);
}

} // namespace torvane::view
