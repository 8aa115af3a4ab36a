#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace torvane::status {

// Wakes the game's clock once each whole second of its time has passed, never before.
class ClockTicker : public QObject {
    Q_OBJECT
  public:
    // Seconds since the clock started.
    using ElapsedSource = std::function<double()>;

    ClockTicker(ElapsedSource elapsed, QObject* parent = nullptr);

    bool running() const { return running_; }
    // Follows the clock: starts ticking when it starts, stops when it stops.
    void setRunning(bool running);

  signals:
    void tick();

  private:
    void onTimeout();
    // Arms the timer for the moment the next whole second since the start has passed.
    void scheduleNextTick();

    QTimer timer_;
    ElapsedSource elapsed_;
    bool running_ = false;
};

} // namespace torvane::status
