#include "status/clock_ticker.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cmath>

namespace torvane::status {

namespace {

double MonotonicSeconds() {
    static QElapsedTimer since = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return static_cast<double>(since.nsecsElapsed()) * 1e-9;
}

} // namespace

ClockTicker::ClockTicker(QObject* parent) : QObject(parent), now_(MonotonicSeconds) {
    timer_.setParent(this);
    timer_.setObjectName(QStringLiteral("Timer1"));
    // A coarse timer may fire up to 5% early, which would show a second too few for most
    // of the next second.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ClockTicker::OnTimeout);
}

void ClockTicker::SetSecondsSource(SecondsSource now) {
    now_ = now ? std::move(now) : SecondsSource(MonotonicSeconds);
}

void ClockTicker::Start() {
    startTime_ = now_();
    running_ = true;
    ScheduleNextTick();
}

void ClockTicker::Stop() {
    running_ = false;
    timer_.stop();
}

void ClockTicker::ScheduleNextTick() {
    const double elapsed = now_() - startTime_;
    const double nextSecond = std::floor(elapsed) + 1.0;
    // Whole milliseconds, rounded up, so the timer cannot wake before the second is full.
    const double wait = std::ceil((nextSecond - elapsed) * 1000.0);
    timer_.start(static_cast<int>(std::clamp(wait, 1.0, 1000.0)));
}

void ClockTicker::OnTimeout() {
    if (!running_) {
        return;
    }
    const double elapsed = now_() - startTime_;
    emit tick(elapsed);
    if (running_) {
        ScheduleNextTick();
    }
}

} // namespace torvane::status
