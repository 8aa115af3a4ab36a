#include "view/window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace torvane::view {

namespace {

// How long after the first show the window manager may still be framing the window.
constexpr int framingTime = 1000; // ms

} // namespace

QPoint centredFrame(QSize frame, QRect available) {
    QRect placed(QPoint(), frame);
    placed.moveCenter(available.center());
    return placed.topLeft();
}

QPoint frameKeptOnScreen(QPoint frameTopLeft, QSize frame, QRect available) {
    const int right = available.x() + available.width() - frame.width();
    const int bottom = available.y() + available.height() - frame.height();
    return {std::max(available.left(), std::min(frameTopLeft.x(), right)),
            std::max(available.top(), std::min(frameTopLeft.y(), bottom))};
}

WindowPlacement::WindowPlacement(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
}

QMargins WindowPlacement::frameMargins() const {
    const QWindow* native = window_.windowHandle();
    return native != nullptr ? native->frameMargins() : QMargins();
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        centre();
        // The window manager adds its frame only after the window maps, and the margins the
        // toolkit reports may change more than once while it does: centre again whenever they
        // change during the first moments, then leave the window where the player puts it.
        if (QWindow* native = window_.windowHandle()) {
            framing_ = true;
            centredWith_ = native->frameMargins();
            native->installEventFilter(this);
            QTimer::singleShot(framingTime, this, [this] {
                framing_ = false;
                if (QWindow* handle = window_.windowHandle()) {
                    handle->removeEventFilter(this);
                    recentreIfFrameChanged();
                }
            });
        }
    } else if (framing_ && watched == window_.windowHandle()) {
        recentreIfFrameChanged();
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::recentreIfFrameChanged() {
    const QMargins margins = frameMargins();
    if (margins != centredWith_) {
        centredWith_ = margins;
        centre();
    }
}

void WindowPlacement::centre() {
    const QScreen* screen = window_.screen();
    if (screen == nullptr) {
        return;
    }
    const QMargins margins = frameMargins();
    moveFrameTo(centredFrame(window_.size().grownBy(margins), screen->availableGeometry()),
                margins);
}

// Places the client area, from the margins just read: move() would place the frame with the
// margins the toolkit last knew, which lag behind while the window manager frames the window.
void WindowPlacement::moveFrameTo(QPoint frameTopLeft, QMargins margins) {
    window_.setGeometry(
        QRect(frameTopLeft + QPoint(margins.left(), margins.top()), window_.size()));
}

void WindowPlacement::keepOnScreen() {
    const QScreen* screen = window_.screen();
    if (!window_.isVisible() || screen == nullptr || window_.windowHandle() == nullptr) {
        return;
    }
    const QMargins margins = frameMargins();
    // From the client area, which is current: frameGeometry() may not be.
    const QPoint corner = window_.geometry().topLeft() - QPoint(margins.left(), margins.top());
    const QPoint inside =
        frameKeptOnScreen(corner, window_.size().grownBy(margins), screen->availableGeometry());
    if (inside != corner) {
        moveFrameTo(inside, margins);
    }
}

} // namespace torvane::view
