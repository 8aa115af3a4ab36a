#include "status/status_label.h"

#include "status/qt_colour.h"

#include <QMouseEvent>

namespace torvane::status {

StatusLabel::StatusLabel(QWidget* parent) : QLabel(QStringLiteral("0"), parent) {
    QFont font(QStringLiteral("Arial"), 12, QFont::Bold);
    setFont(font);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    setFixedSize(36, 24);
    SetForeColour(game::colour::red);
}

void StatusLabel::SetForeColour(game::Colour colour) {
    foreColour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, ToQColor(colour));
    setPalette(p);
}

// A click is a press and a release over the label, as with a button.
void StatusLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// A double click is one click, then a double click that nothing answers.
void StatusLabel::mouseDoubleClickEvent(QMouseEvent*) {
    pressed_ = false;
}

void StatusLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

} // namespace torvane::status
