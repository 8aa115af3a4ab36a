#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace torvane::status {

// Drives the game's clock: from Start on, reports the seconds elapsed on a monotonic clock
// once each whole second has passed, never before.
class ClockTicker : public QObject {
    Q_OBJECT
  public:
    using SecondsSource = std::function<double()>;

    explicit ClockTicker(QObject* parent = nullptr);
    // The monotonic clock unless a test hands it another; takes effect at the next Start.
    void SetSecondsSource(SecondsSource now);

    bool running() const { return running_; }
    void Start();
    void Stop();

  signals:
    void tick(double elapsedSeconds);

  private:
    void OnTimeout();
    // Arms the timer for the moment the next whole second since Start has passed.
    void ScheduleNextTick();

    QTimer timer_;
    SecondsSource now_;
    double startTime_ = 0.0;
    bool running_ = false;
};

} // namespace torvane::status
