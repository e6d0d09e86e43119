#include "platform/sim/SimTimers.h"

#include <algorithm>

namespace sim {

platform::Timers::TimerId SimTimers::SetTimer(win::UINT milliseconds, std::function<void()> tick) {
  const win::UINT period = std::max(milliseconds, win::USER_TIMER_MINIMUM);
  const TimerId id = nextId_++;
  timers_[id] = Entry{period, now_ + period, std::move(tick)};
  return id;
}

void SimTimers::KillTimer(TimerId id) { timers_.erase(id); }

win::UINT SimTimers::PeriodOf(TimerId id) const {
  const auto found = timers_.find(id);
  return found == timers_.end() ? 0 : found->second.period;
}

void SimTimers::Advance(std::uint64_t milliseconds) {
  const std::uint64_t target = now_ + milliseconds;
  for (;;) {
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it) {
      if (next == timers_.end() || it->second.due < next->second.due) next = it;
    }
    if (next == timers_.end() || next->second.due > target) break;
    now_ = next->second.due;
    next->second.due += next->second.period;
    // The callback may kill or replace its own timer: call a copy.
    const std::function<void()> tick = next->second.tick;
    tick();
  }
  now_ = target;
}

}  // namespace sim
