#include "view/screen_follower.h"

#include <QChildEvent>
#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace torvane::view {

ScreenFollower::ScreenFollower(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
}

bool ScreenFollower::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Show) {
        QWindow* handle = window_.windowHandle();
        if (handle != nullptr && handle != followed_) {
            followed_ = handle;
            handle->installEventFilter(this);
            connect(handle, &QWindow::screenChanged, this, &ScreenFollower::keepSizeSoon);
        }
    } else if (watched == &window_ && event->type() == QEvent::ChildPolished) {
        // A dialog is polished just before it first shows.
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (child != nullptr && child->isWindow() &&
            child->findChild<ScreenFollower*>(QString(), Qt::FindDirectChildrenOnly) == nullptr) {
            new ScreenFollower(*child);
        }
    } else if (watched == followed_ && event->type() == QEvent::Expose) {
        keepSizeSoon();
    }
    return QObject::eventFilter(watched, event);
}

// Once the toolkit has handled the move: it may have taken the old device pixels as the
// window's new size by then.
void ScreenFollower::keepSizeSoon() {
    QTimer::singleShot(0, this, &ScreenFollower::keepSize);
}

// A window still being shown is left to the toolkit, which sizes and places it itself: a resize
// now would reach the window system before the toolkit's own move. The window manager holds the
// window to the limits it was given in device pixels: they are given again, at the new scale,
// before the resize.
void ScreenFollower::keepSize() {
    QWindow* handle = window_.windowHandle();
    const QSize size = window_.minimumSize();
    if (handle == nullptr || handle != followed_ || size != window_.maximumSize() ||
        !handle->isExposed()) {
        return;
    }
    if (handle->size() != size) {
        const QSize minimum = handle->minimumSize();
        const QSize maximum = handle->maximumSize();
        handle->setMinimumSize(QSize());
        handle->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        handle->setMinimumSize(minimum);
        handle->setMaximumSize(maximum);
        handle->resize(size);
    }
    if (window_.size() != size) {
        window_.resize(size);
    }
}

} // namespace torvane::view
