// Timers over user32's SetTimer, dispatched by the UI thread's message loop.
#pragma once

#include <map>

#include "platform/Timers.h"

namespace win32 {

class Win32Timers final : public platform::Timers {
 public:
  Win32Timers();
  ~Win32Timers() override;
  TimerId SetTimer(win::UINT milliseconds, std::function<void()> tick) override;
  void KillTimer(TimerId id) override;

 private:
  static void Dispatch(TimerId id);
  std::map<TimerId, std::function<void()>> ticks_;
};

}  // namespace win32
