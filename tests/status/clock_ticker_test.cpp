#include "platform/control_names.h"
#include "status/clock_ticker.h"
#include "view/testing/controls.h"

#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

namespace torvane::status {
namespace {

// A ticker on an elapsed time the test sets, and the timer it arms.
class ClockTickerTest : public ::testing::Test {
  protected:
    double elapsed = 0.0;
    ClockTicker ticker{[this] { return elapsed; }};
    QTimer& timer = view::testing::control<QTimer>(ticker, controlName::clockTimer);
    QSignalSpy ticks{&ticker, &ClockTicker::tick};
};

// Whole milliseconds rounded up, so that the tick never comes before the second is full.
TEST_F(ClockTickerTest, TheTimerIsArmedForTheNextWholeSecondOfTheElapsedTime) {
    struct Case {
        const char* name;
        double elapsed;
        int wait; // ms
    };
    for (const Case c : {Case{"at the start, a whole second", 0.0, 1000},
                         Case{"a quarter into a second", 3.25, 750},
                         Case{"a part of a millisecond rounds up", 2.3125, 688},
                         Case{"on a whole second, a whole second", 41.0, 1000},
                         Case{"under a millisecond to go waits one", 9.999755859375, 1}}) {
        SCOPED_TRACE(c.name);
        elapsed = c.elapsed;
        ticker.setRunning(true);
        EXPECT_TRUE(ticker.running());
        EXPECT_TRUE(timer.isActive()) << c.elapsed;
        EXPECT_EQ(timer.interval(), c.wait) << c.elapsed;
        ticker.setRunning(false);
        EXPECT_FALSE(ticker.running());
        EXPECT_FALSE(timer.isActive()) << c.elapsed;
    }
}

// After each tick the timer is armed again from the time then, unless the tick stopped the
// clock.
TEST_F(ClockTickerTest, EachTickArmsTheNextUntilTheClockStops) {
    elapsed = 0.9995;
    ticker.setRunning(true);
    bool stopAtNext = false;
    QObject::connect(&ticker, &ClockTicker::tick, [&] {
        if (stopAtNext) {
            ticker.setRunning(false);
        }
        elapsed = 1.25;
    });
    ASSERT_TRUE(ticks.wait(1000));
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 750);

    stopAtNext = true;
    timer.start(0);
    ASSERT_TRUE(ticks.wait(1000));
    EXPECT_FALSE(timer.isActive());
    EXPECT_FALSE(ticks.wait(50));
    EXPECT_EQ(ticks.count(), 2);
}

TEST_F(ClockTickerTest, AStoppedTickerTicksNoMore) {
    elapsed = 0.9995;
    ticker.setRunning(true);
    ticker.setRunning(false);
    EXPECT_FALSE(ticks.wait(50));
    EXPECT_EQ(ticks.count(), 0);
}

} // namespace
} // namespace torvane::status
