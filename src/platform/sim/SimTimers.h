// Timers on a virtual clock that tests advance by hand.
#pragma once

#include <map>

#include "platform/Timers.h"

namespace sim {

class SimTimers final : public platform::Timers {
 public:
  TimerId SetTimer(win::UINT milliseconds, std::function<void()> tick) override;
  void KillTimer(TimerId id) override;

  // Moves the clock forward, running every tick that falls due on the way in
  // time order. A callback may set or kill timers.
  void Advance(std::uint64_t milliseconds);
  std::uint64_t Now() const { return now_; }
  int ActiveCount() const { return static_cast<int>(timers_.size()); }
  // The period of a running timer as the system applies it, 0 if none.
  win::UINT PeriodOf(TimerId id) const;

 private:
  struct Entry {
    win::UINT period;
    std::uint64_t due;
    std::function<void()> tick;
  };
  std::map<TimerId, Entry> timers_;
  TimerId nextId_ = 1;
  std::uint64_t now_ = 0;
};

}  // namespace sim
