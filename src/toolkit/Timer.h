// A form's timer: an interval, an enabled flag and a Timer event, running
// exactly while it is enabled with a non-zero interval.
#pragma once

#include <functional>

#include "platform/Timers.h"

namespace toolkit {

class Timer {
 public:
  Timer() = default;
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  win::UINT Interval() const { return interval_; }
  void SetInterval(win::UINT milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Running() const { return id_ != 0; }

  std::function<void()> OnTimer;

 private:
  void Restart();
  win::UINT interval_ = 0;
  bool enabled_ = false;
  platform::Timers::TimerId id_ = 0;
};

}  // namespace toolkit
