#include "status/clock_ticker.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <array>
#include <deque>
#include <gtest/gtest.h>

namespace torvane::status {
namespace {

// Readings handed out in turn; the last one stays. The reading after Start's own is a hair
// before the next whole second, so the first tick is due at once rather than a second later.
class ScriptedSeconds {
  public:
    void Queue(std::initializer_list<double> readings) { readings_.assign(readings); }
    double operator()() {
        const double r = readings_.front();
        if (readings_.size() > 1) {
            readings_.pop_front();
        }
        return r;
    }

  private:
    std::deque<double> readings_{0.0};
};

class ClockTickerTest : public ::testing::Test {
  protected:
    ScriptedSeconds seconds;
    void SetUp() override {
        ticker.SetSecondsSource([this] { return seconds(); });
    }
    ClockTicker ticker;
    QSignalSpy ticks{&ticker, &ClockTicker::tick};
};

TEST_F(ClockTickerTest, ATimeoutReportsTheSecondsSinceTheLatestStart) {
    struct Round {
        double start;
        double elapsed;
    };
    for (const Round r : {Round{5000.25, 3.5}, Round{200.0, 12.0}}) {
        ticks.clear();
        seconds.Queue({r.start, r.start + 0.9995, r.start + r.elapsed});
        ticker.Start();
        EXPECT_TRUE(ticker.running());
        ASSERT_TRUE(ticks.wait(2000)) << r.start;
        ASSERT_EQ(ticks.count(), 1);
        EXPECT_DOUBLE_EQ(ticks.at(0).at(0).toDouble(), r.elapsed);
        ticker.Stop();
        EXPECT_FALSE(ticker.running());
    }
}

TEST_F(ClockTickerTest, AStoppedTickerReportsNothing) {
    seconds.Queue({100.0, 100.9995, 104.0});
    ticker.Start();
    ticker.Stop();
    EXPECT_FALSE(ticker.running());
    EXPECT_FALSE(ticks.wait(50));
    EXPECT_EQ(ticks.count(), 0);
}

// On the real timer and the real monotonic clock: the k-th tick comes once k whole seconds
// have passed, never before, so the clock never shows a second too few. Whether a sloppy timer
// fires early depends on where in the second it was started, so several tickers start at
// points spread over a second. The upper bound is only there to catch a tick that never comes
// on time at all.
TEST(ClockTickerRealTime, NoTickComesEarly) {
    struct Probe {
        QElapsedTimer since;
        ClockTicker ticker;
        std::vector<std::pair<double, double>> ticks; // reported, measured here
    };
    constexpr int spacing = 200;
    std::array<Probe, 1000 / spacing> probes;
    for (std::size_t i = 0; i < probes.size(); ++i) {
        Probe& p = probes[i];
        QObject::connect(&p.ticker, &ClockTicker::tick, [&p](double elapsed) {
            p.ticks.emplace_back(elapsed, static_cast<double>(p.since.nsecsElapsed()) * 1e-9);
        });
        QTimer::singleShot(static_cast<int>(i) * spacing, Qt::PreciseTimer, [&p] {
            p.since.start();
            p.ticker.Start();
        });
    }
    QTest::qWait(1000 - spacing + 3600);
    for (std::size_t i = 0; i < probes.size(); ++i) {
        const auto& ticks = probes[i].ticks;
        ASSERT_GE(ticks.size(), 3u) << "ticker " << i;
        for (std::size_t k = 0; k < ticks.size(); ++k) {
            const double due = static_cast<double>(k + 1);
            EXPECT_GE(ticks[k].first, due) << "ticker " << i << ", tick " << k + 1;
            EXPECT_GE(ticks[k].second, due) << "ticker " << i << ", tick " << k + 1;
            EXPECT_LT(ticks[k].second, due + 0.5) << "ticker " << i << ", tick " << k + 1;
        }
    }
}

} // namespace
} // namespace torvane::status
