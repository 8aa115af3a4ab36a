#include "view/screen_follower.h"

#include <QChildEvent>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace torvane::view {

ScreenFollower::ScreenFollower(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
}

bool ScreenFollower::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) {
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Show) {
        QWindow* handle = window_.windowHandle();
        if (handle != nullptr && handle != followed_) {
            followed_ = handle;
            connect(handle, &QWindow::screenChanged, this, &ScreenFollower::keepSize);
        }
    } else if (event->type() == QEvent::ChildPolished) {
        // A dialog is polished just before it first shows.
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (child != nullptr && child->isWindow() &&
            child->findChild<ScreenFollower*>(QString(), Qt::FindDirectChildrenOnly) == nullptr) {
            new ScreenFollower(*child);
        }
    }
    return QObject::eventFilter(watched, event);
}

// Runs before the toolkit takes the old device pixels as the new size, so the widget still has
// the size its content needs. The window manager holds the window to the limits it was given in
// device pixels: they are given again, at the new scale, before the resize.
void ScreenFollower::keepSize() {
    QWindow* handle = window_.windowHandle();
    if (handle == nullptr) {
        return;
    }
    const QSize size = window_.size();
    const QSize minimum = handle->minimumSize();
    const QSize maximum = handle->maximumSize();
    handle->setMinimumSize(QSize());
    handle->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    handle->setMinimumSize(minimum);
    handle->setMaximumSize(maximum);
    handle->resize(size);
}

} // namespace torvane::view
