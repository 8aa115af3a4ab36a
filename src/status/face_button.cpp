#include "status/face_button.h"

#include "status/colours.h"

#include <QPainter>

namespace torvane::status {

FaceButton::FaceButton(QWidget* parent) : QPushButton(parent) {
    setFixedSize(28, 28);
    setFocusPolicy(Qt::TabFocus);
    setToolTip(tr("新游戏"));
    describeFace();
}

namespace {

void drawFace(QPainter& p, const QRectF& box, game::Face face) {
    const QPointF centre = box.center();
    const qreal r = box.width() / 2;
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(255, 224, 64));
    p.drawEllipse(centre, r, r);
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    const qreal eyeY = centre.y() - r * 0.3;
    p.drawEllipse(QPointF(centre.x() - r * 0.35, eyeY), r * 0.13, r * 0.16);
    p.drawEllipse(QPointF(centre.x() + r * 0.35, eyeY), r * 0.13, r * 0.16);
    p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF mouth(centre.x() - r * 0.5, centre.y() - r * 0.1, r, r * 0.7);
    if (face == game::Face::Won) {
        p.drawArc(mouth, 200 * 16, 140 * 16);
    } else if (face == game::Face::Lost) {
        p.drawArc(mouth.translated(0, r * 0.45), 20 * 16, 140 * 16);
    } else { // neutral
        p.drawLine(QPointF(centre.x() - r * 0.4, centre.y() + r * 0.38),
                   QPointF(centre.x() + r * 0.4, centre.y() + r * 0.38));
    }
}

} // namespace

void FaceButton::showFace(game::Face face, game::Phase phase) {
    if (phase != phase_) {
        phase_ = phase;
        describeFace();
    }
    if (face != face_) {
        face_ = face;
        update();
    }
}

// The colour and the mouth are the state; a screen reader hears it in words.
void FaceButton::describeFace() {
    switch (phase_) {
    case game::Phase::Ready:
        setAccessibleDescription(tr("新的一局：按下雷区中的格子开始"));
        break;
    case game::Phase::Playing:
        setAccessibleDescription(tr("游戏进行中"));
        break;
    case game::Phase::Won:
        setAccessibleDescription(tr("胜利"));
        break;
    case game::Phase::Lost:
        setAccessibleDescription(tr("失败：踩到了地雷"));
        break;
    }
}

QColor FaceButton::backColour() const {
    switch (face_) {
    case game::Face::Won:
        return wonFaceColour;
    case game::Face::Lost:
        return lostFaceColour;
    case game::Face::Playing:
        break;
    }
    return playingFaceColour;
}

// A classic raised button in the state's colour, pressed in while held.
void FaceButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), backColour());
    const bool down = isDown();
    painter.setPen(down ? Qt::black : Qt::white);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(down ? Qt::white : Qt::black);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(QColor(128, 128, 128));
    const QRect inner = r.adjusted(1, 1, -1, -1);
    if (down) {
        painter.drawLine(inner.topLeft(), inner.topRight());
        painter.drawLine(inner.topLeft(), inner.bottomLeft());
    } else {
        painter.drawLine(inner.bottomLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomRight());
    }
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(r.adjusted(3, 3, -3, -3));
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = 18;
    const QRectF box((width() - side) / 2, (height() - side) / 2, side, side);
    drawFace(painter, down ? box.translated(1, 1) : box, face_);
}

} // namespace torvane::status
