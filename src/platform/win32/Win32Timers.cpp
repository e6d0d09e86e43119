#include "platform/win32/Win32Timers.h"

#include <windows.h>

namespace win32 {
namespace {

// Thread timers (no window) reach their owner through this one instance.
Win32Timers* instance = nullptr;

}  // namespace

Win32Timers::Win32Timers() { instance = this; }

Win32Timers::~Win32Timers() {
  for (const auto& entry : ticks_) ::KillTimer(nullptr, entry.first);
  if (instance == this) instance = nullptr;
}

platform::Timers::TimerId Win32Timers::SetTimer(win::UINT milliseconds,
                                                std::function<void()> tick) {
  const UINT_PTR id = ::SetTimer(nullptr, 0, milliseconds,
                                 [](HWND, UINT, UINT_PTR timer, DWORD) { Dispatch(timer); });
  if (id != 0) ticks_[id] = std::move(tick);
  return id;
}

void Win32Timers::KillTimer(TimerId id) {
  ::KillTimer(nullptr, id);
  ticks_.erase(id);
}

void Win32Timers::Dispatch(TimerId id) {
  if (instance == nullptr) return;
  const auto found = instance->ticks_.find(id);
  if (found == instance->ticks_.end()) return;
  // The callback may kill its own timer: call a copy.
  const std::function<void()> tick = found->second;
  tick();
}

}  // namespace win32
