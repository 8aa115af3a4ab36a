#include "status/game_clock.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace torvane::status {
namespace {

class GameClockTest : public ::testing::Test {
  protected:
    void SetUp() override {
        clock.SetSecondsSource([this] { return now; });
    }
    StatusLabel label;
    GameClock clock{label};
    double now = 5000.25;
};

TEST_F(GameClockTest, TicksShowTheFloorOfElapsedSeconds) {
    clock.Start();
    EXPECT_TRUE(clock.Running());
    struct Step {
        double after;
        const char* caption;
    };
    for (const Step s : {Step{0.4, "0"}, Step{1.0, "1"}, Step{12.9, "12"}, Step{13.0, "13"},
                         Step{998.99, "998"}}) {
        now = 5000.25 + s.after;
        clock.Timer1_Timer();
        EXPECT_EQ(label.text(), QString::fromLatin1(s.caption)) << s.after;
        EXPECT_TRUE(clock.Running());
    }
}

TEST_F(GameClockTest, StopsForGoodAt999) {
    clock.Start();
    for (const double after : {999.0, 5000.0, 1e12}) {
        clock.Start();
        now = 5000.25 + after;
        clock.Timer1_Timer();
        EXPECT_EQ(label.text(), "999");
        EXPECT_FALSE(clock.Running());
        now = 5000.25;
    }
}

TEST_F(GameClockTest, ALateTickStillShowsTheRightTime) {
    clock.Start();
    now += 7.5; // ticks missed in between
    clock.Timer1_Timer();
    EXPECT_EQ(label.text(), "7");
}

TEST_F(GameClockTest, RealTimerDrivesTheTick) {
    EXPECT_EQ(clock.Timer1().interval(), 1000);
    EXPECT_EQ(clock.Timer1().objectName(), "Timer1");
    clock.Start();
    clock.Timer1().setInterval(0); // fire on the next pass of the event loop, no waiting
    now += 3;
    QCoreApplication::processEvents();
    EXPECT_EQ(label.text(), "3");
    clock.Stop();
    EXPECT_FALSE(clock.Running());
}

} // namespace
} // namespace torvane::status
