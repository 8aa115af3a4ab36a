#pragma once

#include "status/status_label.h"

#include <QTimer>
#include <functional>

namespace torvane::status {

// Whole seconds since the first press of a game, capped at 999. The state lives in
// the timer's on/off and the label's caption; time comes from a monotonic source.
class GameClock : public QObject {
    Q_OBJECT
  public:
    using SecondsSource = std::function<double()>;

    GameClock(StatusLabel& label, QObject* parent = nullptr);

    bool Running() const { return timer_.isActive(); }
    QString Caption() const { return label_.text(); }
    void SetCaption(const QString& caption) { label_.setText(caption); }
    void Start();
    void Stop() { timer_.stop(); }
    void Timer1_Timer();

    // For tests: a fake clock instead of the monotonic one.
    void SetSecondsSource(SecondsSource source) { now_ = std::move(source); }
    QTimer& Timer1() { return timer_; }

  private:
    StatusLabel& label_;
    QTimer timer_;
    SecondsSource now_;
    double startTime_ = 0.0;
};

} // namespace torvane::status
