#include "remap/DesktopContext.h"

#include "platform/Foreground.h"
#include "platform/Services.h"

namespace remap {
namespace {

// The pointer is confined to less than the whole virtual screen.
bool PointerConfined(platform::Foreground& desktop) {
  win::RECT clip{};
  if (!desktop.GetClipCursor(&clip)) return false;
  const int left = desktop.GetSystemMetrics(win::SM_XVIRTUALSCREEN);
  const int top = desktop.GetSystemMetrics(win::SM_YVIRTUALSCREEN);
  const int right = left + desktop.GetSystemMetrics(win::SM_CXVIRTUALSCREEN);
  const int bottom = top + desktop.GetSystemMetrics(win::SM_CYVIRTUALSCREEN);
  return clip.left > left || clip.top > top || clip.right < right || clip.bottom < bottom;
}

bool IsDesktop(platform::Foreground& desktop, win::HWND window) {
  if (window == desktop.GetShellWindow()) return true;
  // The desktop's icons and wallpaper live in Progman, or in a WorkerW
  // once the wallpaper has been animated; either may take the foreground.
  const std::string name = desktop.GetClassNameA(window);
  return name == "Progman" || name == "WorkerW";
}

// A full-screen window: its rectangle covers its whole monitor. A maximised
// window does too when the taskbar hides itself, and is an ordinary window.
bool CoversItsMonitor(platform::Foreground& desktop, win::HWND window) {
  if (desktop.IsZoomed(window) || IsDesktop(desktop, window)) return false;
  win::RECT rect{};
  win::MONITORINFO monitor{sizeof(win::MONITORINFO), {}, {}, 0};
  if (!desktop.GetWindowRect(window, &rect) ||
      !desktop.GetMonitorInfoA(desktop.MonitorFromWindow(window, win::MONITOR_DEFAULTTONEAREST),
                               &monitor)) {
    return false;
  }
  const win::RECT& m = monitor.rcMonitor;
  return rect.left <= m.left && rect.top <= m.top && rect.right >= m.right &&
         rect.bottom >= m.bottom;
}

}  // namespace

Context DesktopContext::Now() {
  auto& desktop = platform::Use<platform::Foreground>();
  Context context;
  const win::HWND front = desktop.GetForegroundWindow();
  context.holdsMouse = PointerConfined(desktop) || (front != 0 && CoversItsMonitor(desktop, front));
  if (front != 0) context.elevated = Elevated(desktop.GetWindowProcessId(front));
  return context;
}

bool DesktopContext::Elevated(win::DWORD process) {
  auto& desktop = platform::Use<platform::Foreground>();
  const win::DWORD self = desktop.GetCurrentProcessId();
  if (process == 0 || process == self) return false;
  if (process == lastProcess_) return lastElevated_;
  if (!ownLevel_) {
    ownLevel_ = desktop.ProcessIntegrityLevel(self).value_or(win::SECURITY_MANDATORY_MEDIUM_RID);
  }
  const std::optional<win::DWORD> level = desktop.ProcessIntegrityLevel(process);
  // A token we may not even query belongs to a level above ours.
  lastElevated_ = !level || *level > *ownLevel_;
  lastProcess_ = process;
  return lastElevated_;
}

}  // namespace remap
