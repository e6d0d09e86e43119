// user32 timers: a callback every so many milliseconds on the UI thread.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/WinTypes.h"

namespace win {

// Windows raises any shorter timer period to this.
constexpr UINT USER_TIMER_MINIMUM = 10;

}  // namespace win

namespace platform {

class Timers {
 public:
  using TimerId = std::uintptr_t;

  virtual ~Timers() = default;
  // Calls tick every `milliseconds` (at least USER_TIMER_MINIMUM) from the UI
  // thread's message loop until KillTimer. Returns 0 when no timer could be made.
  [[nodiscard]] virtual TimerId SetTimer(win::UINT milliseconds, std::function<void()> tick) = 0;
  virtual void KillTimer(TimerId id) = 0;
};

}  // namespace platform
