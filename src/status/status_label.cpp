#include "status/status_label.h"

namespace torvane::status {

StatusLabel::StatusLabel(QWidget* parent) : QLabel(QStringLiteral("0"), parent) {
    QFont font(QStringLiteral("Arial"), 12, QFont::Bold);
    setFont(font);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    setFixedSize(36, 24);
    setForeColour(clockColour);
}

void StatusLabel::setForeColour(const QColor& colour) {
    foreColour_ = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

} // namespace torvane::status
