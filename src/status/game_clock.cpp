#include "status/game_clock.h"

#include "platform/text_number.h"

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

GameClock::GameClock(StatusLabel& label, QObject* parent)
    : QObject(parent), label_(label), now_(MonotonicSeconds) {
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &GameClock::Timer1_Timer);
}

void GameClock::Start() {
    startTime_ = now_();
    timer_.start();
}

void GameClock::Timer1_Timer() {
    const double elapsed = std::floor(now_() - startTime_);
    if (!(elapsed < 999.0)) {
        timer_.stop();
        label_.setText(QStringLiteral("999"));
        return;
    }
    label_.setText(platform::DecimalText(static_cast<long long>(std::max(elapsed, 0.0))));
}

} // namespace torvane::status
