#include "status/face_button.h"

#include "status/qt_colour.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace torvane::status {

FaceButton::FaceButton(QWidget* parent) : QPushButton(parent) {
    setFixedSize(28, 28);
    setFocusPolicy(Qt::TabFocus);
}

void FaceButton::SetBackColour(game::Colour colour) {
    backColour_ = colour;
    update();
}

namespace {

void DrawFace(QPainter& p, const QRectF& box, const QString& caption) {
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
    if (caption == u"J") { // smiling
        p.drawArc(mouth, 200 * 16, 140 * 16);
    } else if (caption == u"L") { // frowning
        p.drawArc(mouth.translated(0, r * 0.45), 20 * 16, 140 * 16);
    } else { // neutral
        p.drawLine(QPointF(centre.x() - r * 0.4, centre.y() + r * 0.38),
                   QPointF(centre.x() + r * 0.4, centre.y() + r * 0.38));
    }
}

} // namespace

void FaceButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear(); // the caption is the state's name; the face shows it
    option.palette.setColor(QPalette::Button, ToQColor(backColour_));
    painter.fillRect(rect(), ToQColor(backColour_));
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = 18;
    const QRectF box((width() - side) / 2, (height() - side) / 2, side, side);
    DrawFace(painter, isDown() ? box.translated(1, 1) : box, text());
}

} // namespace torvane::status
