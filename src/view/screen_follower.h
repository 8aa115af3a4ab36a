#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace torvane::view {

// Keeps a top-level window of fixed size at that size in logical pixels when it moves to a
// screen of another scale, and does the same for the dialogs it owns. The toolkit keeps the
// window's device pixels instead, so on a screen of twice the scale only a quarter of the content
// shows.
class ScreenFollower : public QObject {
    Q_OBJECT
  public:
    explicit ScreenFollower(QWidget& window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void keepSizeSoon();
    void keepSize();

    QWidget& window_;
    QPointer<QWindow> followed_;
};

} // namespace torvane::view
