#include "toolkit/Timer.h"

#include "platform/Services.h"

namespace toolkit {

Timer::~Timer() {
  if (id_ != 0) platform::Use<platform::Timers>().KillTimer(id_);
}

void Timer::SetInterval(win::UINT milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  Restart();
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void Timer::Restart() {
  auto& timers = platform::Use<platform::Timers>();
  if (id_ != 0) {
    timers.KillTimer(id_);
    id_ = 0;
  }
  if (enabled_ && interval_ > 0) {
    id_ = timers.SetTimer(interval_, [this] {
      if (OnTimer) OnTimer();
    });
  }
}

}  // namespace toolkit
