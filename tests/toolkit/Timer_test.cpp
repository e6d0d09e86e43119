#include "toolkit/Timer.h"

#include <gtest/gtest.h>

#include "platform/Services.h"
#include "platform/sim/SimTimers.h"

namespace {

class TimerTest : public ::testing::Test {
 protected:
  sim::SimTimers clock_;
  platform::Install<platform::Timers> use_{clock_};
  toolkit::Timer timer_;
  int ticks_ = 0;

  void SetUp() override {
    timer_.OnTimer = [this] { ++ticks_; };
  }
};

TEST_F(TimerTest, RunsOnlyWhileEnabledWithAnInterval) {
  timer_.SetEnabled(true);
  clock_.Advance(5000);
  EXPECT_EQ(ticks_, 0) << "an interval of 0 never ticks";
  timer_.SetInterval(1000);
  clock_.Advance(3500);
  EXPECT_EQ(ticks_, 3);
  timer_.SetEnabled(false);
  clock_.Advance(5000);
  EXPECT_EQ(ticks_, 3);
  EXPECT_EQ(clock_.ActiveCount(), 0);
}

TEST_F(TimerTest, ChangingTheIntervalRestartsTheCount) {
  timer_.SetInterval(1000);
  timer_.SetEnabled(true);
  clock_.Advance(900);
  timer_.SetInterval(500);
  clock_.Advance(400);
  EXPECT_EQ(ticks_, 0);
  clock_.Advance(100);
  EXPECT_EQ(ticks_, 1);
}

TEST_F(TimerTest, AOneMillisecondTimerTicksAtTheSystemMinimum) {
  timer_.SetInterval(1);
  timer_.SetEnabled(true);
  clock_.Advance(100);
  EXPECT_EQ(ticks_, 100 / static_cast<int>(win::USER_TIMER_MINIMUM));
}

TEST_F(TimerTest, ATickMayStopItsOwnTimer) {
  timer_.OnTimer = [this] {
    ++ticks_;
    timer_.SetEnabled(false);
  };
  timer_.SetInterval(10);
  timer_.SetEnabled(true);
  clock_.Advance(1000);
  EXPECT_EQ(ticks_, 1);
  EXPECT_FALSE(timer_.Running());
}

TEST_F(TimerTest, DestroyingARunningTimerStopsIt) {
  {
    toolkit::Timer shortLived;
    shortLived.SetInterval(10);
    shortLived.SetEnabled(true);
    EXPECT_EQ(clock_.ActiveCount(), 1);
  }
  EXPECT_EQ(clock_.ActiveCount(), 0);
  clock_.Advance(100);
}

}  // namespace
