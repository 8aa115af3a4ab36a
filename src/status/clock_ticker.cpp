#include "status/clock_ticker.h"

#include "platform/control_names.h"

#include <algorithm>
#include <cmath>

namespace torvane::status {

ClockTicker::ClockTicker(ElapsedSource elapsed, QObject* parent)
    : QObject(parent), elapsed_(std::move(elapsed)) {
    timer_.setParent(this);
    timer_.setObjectName(controlName::clockTimer);
    // A coarse timer may fire up to 5% early, which would show a second too few for most of the
    // next second.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ClockTicker::onTimeout);
}

void ClockTicker::setRunning(bool running) {
    if (running == running_) {
        return;
    }
    running_ = running;
    if (running) {
        scheduleNextTick();
    } else {
        timer_.stop();
    }
}

void ClockTicker::scheduleNextTick() {
    const double elapsed = elapsed_();
    const double nextSecond = std::floor(elapsed) + 1.0;
    // Whole milliseconds, rounded up, so the timer cannot wake before the second is full.
    const double wait = std::ceil((nextSecond - elapsed) * 1000.0);
    timer_.start(static_cast<int>(std::clamp(wait, 1.0, 1000.0)));
}

void ClockTicker::onTimeout() {
    if (!running_) {
        return;
    }
    emit tick();
    // The tick may have stopped the clock.
    if (running_ && !timer_.isActive()) {
        scheduleNextTick();
    }
}

} // namespace torvane::status
