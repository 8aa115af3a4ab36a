#include "status/clock_ticker.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace torvane::status {
namespace {

// On the real timer and the real monotonic clock: the k-th tick comes once k whole seconds
// have passed, never before, so the clock never shows a second too few. Whether a sloppy timer
// fires early depends on where in the second it was started, so several tickers start at
// points spread over a second. The upper bound only catches a tick that never comes on time.
TEST(ClockTickerRealTime, NoTickComesEarly) {
    struct Probe {
        QElapsedTimer since;
        ClockTicker ticker{[this] { return static_cast<double>(since.nsecsElapsed()) * 1e-9; }};
        std::vector<double> ticks; // seconds since the start
    };
    constexpr int spacing = 200;
    std::array<Probe, 1000 / spacing> probes;
    for (std::size_t i = 0; i < probes.size(); ++i) {
        Probe& probe = probes[i];
        QObject::connect(&probe.ticker, &ClockTicker::tick, [&probe] {
            probe.ticks.push_back(static_cast<double>(probe.since.nsecsElapsed()) * 1e-9);
        });
        QTimer::singleShot(static_cast<int>(i) * spacing, Qt::PreciseTimer, [&probe] {
            probe.since.start();
            probe.ticker.setRunning(true);
        });
    }
    QTest::qWait(1000 - spacing + 3600);
    for (std::size_t i = 0; i < probes.size(); ++i) {
        const std::vector<double>& ticks = probes[i].ticks;
        ASSERT_GE(ticks.size(), 3u) << "ticker " << i;
        for (std::size_t k = 0; k < ticks.size(); ++k) {
            const double due = static_cast<double>(k + 1);
            EXPECT_GE(ticks[k], due) << "ticker " << i << ", tick " << k + 1;
            EXPECT_LT(ticks[k], due + 0.5) << "ticker " << i << ", tick " << k + 1;
        }
    }
}

} // namespace
} // namespace torvane::status
