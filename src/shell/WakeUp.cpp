#include "shell/WakeUp.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "mouse/mod_Registry.h"
#include "platform/Process.h"
#include "platform/Registry.h"
#include "platform/Services.h"

namespace {

// Posted when the flag's key changes.
constexpr win::UINT kKeyChanged = win::WM_APP + 0x101;

// Enough for every copy that could be starting at once.
constexpr int kMaxWindows = 64;

}  // namespace

WakeUp::WakeUp(toolkit::Form& form, std::function<void()> show)
    : form_(form), show_(std::move(show)) {
  form_.OnMessage(platform::Use<platform::Windowing>().RegisterWindowMessageA(kWakeUpMessage),
                  [this](win::WPARAM, win::LPARAM) {
                    Check();
                    return win::LRESULT{0};
                  });
  form_.OnMessage(kKeyChanged, [this](win::WPARAM, win::LPARAM) {
    // Armed again before the read, so a write in between is not missed.
    Arm();
    Check();
    return win::LRESULT{0};
  });
}

WakeUp::Hold::~Hold() {
  if (--owner_->holds_ == 0 && std::exchange(owner_->pending_, false)) owner_->Wake();
}

void WakeUp::SignalRunningCopy() {
  auto& windowing = platform::Use<platform::Windowing>();
  const win::DWORD self = platform::Use<platform::Process>().GetCurrentProcessId();
  // This copy has a window of the class too; others of a copy that is itself
  // just ending cannot be told apart, and the message costs them nothing.
  struct Target {
    win::HWND window;
    win::DWORD process;
  };
  std::vector<Target> targets;
  win::HWND window = 0;
  for (int i = 0; i < kMaxWindows; ++i) {
    window = windowing.FindWindowExA(window, platform::kFormClass);
    if (window == 0) break;
    win::DWORD process = 0;
    if (windowing.GetWindowThreadProcessId(window, &process) != 0 && process != self) {
      targets.push_back({window, process});
    }
  }
  // The user just started this copy, so it may take the foreground; the
  // running copy may not unless given the right, before it can hear of the
  // flag by any path.
  // A copy that may not hand the right on still wakes the window, behind.
  for (const Target& target : targets) {
    (void)windowing.AllowSetForegroundWindow(target.process);
  }
  // The flag also wakes a copy that has no window yet, or an older one.
  mod_Registry::WriteMouseValue(mod_Registry::DoPopup, "1");
  const win::UINT message = windowing.RegisterWindowMessageA(kWakeUpMessage);
  // A post that fails (a window just gone) leaves the flag to wake it.
  for (const Target& target : targets) {
    (void)windowing.PostMessageA(target.window, message, 0, 0);
  }
}

void WakeUp::Listen() {
  auto& registry = platform::Use<platform::Registry>();
  // Held open for the life of the window: closing it ends the notifications.
  // Without the key, Timer1's poll is the only path: nothing is lost.
  (void)registry.RegCreateKeyExA(win::HKEY_CURRENT_USER, mod_Registry::kMouseKey, 0, "",
                                 win::REG_OPTION_NON_VOLATILE, win::KEY_NOTIFY, nullptr, key_.put(),
                                 nullptr);
  Arm();
}

void WakeUp::Arm() {
  if (!key_) return;
  // A watch the system refuses leaves Timer1's poll to notice the flag.
  (void)platform::Use<platform::Registry>().RegNotifyChangeKeyValue(
      key_.get(), win::REG_NOTIFY_CHANGE_LAST_SET, form_.hWnd(), kKeyChanged);
}

void WakeUp::Check() {
  if (mod_Registry::ReadMouseValue(mod_Registry::DoPopup) != "1") return;
  mod_Registry::WriteMouseValue(mod_Registry::DoPopup, "0");
  Wake();
}

void WakeUp::Wake() {
  if (holds_ > 0) {
    pending_ = true;
    return;
  }
  show_();
  // Refused without the right to the foreground: the window is shown all the same.
  (void)platform::Use<platform::Windowing>().SetForegroundWindow(form_.hWnd());
}

namespace {

std::int64_t Area(const platform::PixelRect& rect) {
  return std::int64_t{std::max(rect.width, 0)} * std::max(rect.height, 0);
}

std::int64_t OverlapArea(const platform::PixelRect& a, const platform::PixelRect& b) {
  const int left = std::max(a.left, b.left);
  const int top = std::max(a.top, b.top);
  const int right = std::min(a.left + a.width, b.left + b.width);
  const int bottom = std::min(a.top + a.height, b.top + b.height);
  return Area({left, top, right - left, bottom - top});
}

// Centred; a window larger than the area keeps its top-left corner on it.
int Centre(int start, int length, int size) { return start + std::max(0, (length - size) / 2); }

}  // namespace

void KeepOnScreen(platform::Window& window) {
  auto& windowing = platform::Use<platform::Windowing>();
  const platform::PixelRect rect = window.WindowRect();
  const win::HMONITOR on = windowing.MonitorFromWindow(window.Handle(), win::MONITOR_DEFAULTTONULL);
  if (on != 0) {
    const auto info = windowing.GetMonitorInfoA(on);
    if (info && 2 * OverlapArea(rect, info->work) >= Area(rect)) return;
  }
  const auto nearest = windowing.GetMonitorInfoA(
      windowing.MonitorFromWindow(window.Handle(), win::MONITOR_DEFAULTTONEAREST));
  if (!nearest) return;
  const platform::PixelRect& work = nearest->work;
  window.MoveWindow({Centre(work.left, work.width, rect.width),
                     Centre(work.top, work.height, rect.height), rect.width, rect.height});
}
