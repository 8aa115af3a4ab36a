#include "app/monotonic_clock.h"

#include <QElapsedTimer>

namespace torvane::app {

double monotonicSeconds() {
    static const QElapsedTimer since = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return static_cast<double>(since.nsecsElapsed()) * 1e-9;
}

} // namespace torvane::app
