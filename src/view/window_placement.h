#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace torvane::view {

// Top-left corner of a frame of this size centred on the available area.
QPoint centredFrame(QSize frame, QRect available);

// Top-left corner for a frame that keeps its corner unless it would then reach past an edge of
// the available area: then it moves by the least that brings it back in, and where it cannot
// fit, its top-left corner stays in view.
QPoint frameKeptOnScreen(QPoint frameTopLeft, QSize frame, QRect available);

// Places a top-level window, frame and title bar included: centred on its screen when first
// shown, centred again while the window manager is still framing it, and kept on the screen's
// available area when it grows.
class WindowPlacement : public QObject {
    Q_OBJECT
  public:
    explicit WindowPlacement(QWidget& window);

    // After the window's size changed.
    void keepOnScreen();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void centre();
    void recentreIfFrameChanged();
    void moveFrameTo(QPoint frameTopLeft, QMargins margins);
    QMargins frameMargins() const;

    QWidget& window_;
    bool shown_ = false;
    bool framing_ = false;
    QMargins centredWith_; // the frame margins the last centring assumed
};

} // namespace torvane::view
