// What is in front of the user, from user32 and the process's token: the
// foreground window, its monitor, whether it is maximised or the shell's
// desktop, where the pointer is confined, and the integrity level of a
// process. The mouse hook asks at button events, never at pointer moves.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Gdi.h"

namespace win {

struct MONITORINFO {
  DWORD cbSize;
  RECT rcMonitor;
  RECT rcWork;
  DWORD dwFlags;
};

// GetSystemMetrics: the virtual screen, the bounding rectangle of all monitors.
constexpr int SM_XVIRTUALSCREEN = 76;
constexpr int SM_YVIRTUALSCREEN = 77;
constexpr int SM_CXVIRTUALSCREEN = 78;
constexpr int SM_CYVIRTUALSCREEN = 79;

// Mandatory integrity levels: the last sub-authority of a token's label.
constexpr DWORD SECURITY_MANDATORY_LOW_RID = 0x1000;
constexpr DWORD SECURITY_MANDATORY_MEDIUM_RID = 0x2000;
constexpr DWORD SECURITY_MANDATORY_HIGH_RID = 0x3000;
constexpr DWORD SECURITY_MANDATORY_SYSTEM_RID = 0x4000;

}  // namespace win

namespace platform {

class Foreground {
 public:
  virtual ~Foreground() = default;
  // The window the user works with, 0 when none (between two activations).
  [[nodiscard]] virtual win::HWND GetForegroundWindow() = 0;
  // The shell's desktop window, 0 when no shell runs.
  [[nodiscard]] virtual win::HWND GetShellWindow() = 0;
  // The window's class name; empty for a window that is gone.
  [[nodiscard]] virtual std::string GetClassNameA(win::HWND window) = 0;
  [[nodiscard]] virtual win::BOOL IsZoomed(win::HWND window) = 0;
  [[nodiscard]] virtual win::BOOL GetWindowRect(win::HWND window, win::RECT* rect) = 0;
  // The monitor the window overlaps most; by flags, 0 or the nearest one
  // when it overlaps none.
  [[nodiscard]] virtual win::HMONITOR MonitorFromWindow(win::HWND window, win::DWORD flags) = 0;
  // Fails unless cbSize is sizeof(MONITORINFO).
  [[nodiscard]] virtual win::BOOL GetMonitorInfoA(win::HMONITOR monitor,
                                                  win::MONITORINFO* info) = 0;
  // The rectangle the pointer is confined to: the virtual screen when free.
  [[nodiscard]] virtual win::BOOL GetClipCursor(win::RECT* rect) = 0;
  // The SM_*VIRTUALSCREEN values; 0 for any other index.
  [[nodiscard]] virtual int GetSystemMetrics(int index) = 0;
  // The process that made the window, 0 for a window that is gone.
  [[nodiscard]] virtual win::DWORD GetWindowProcessId(win::HWND window) = 0;
  [[nodiscard]] virtual win::DWORD GetCurrentProcessId() = 0;
  // The mandatory integrity level of the process's token (a *_RID value);
  // nothing when the process or its token cannot be opened for a query, as
  // a process at a higher level refuses a lower one.
  [[nodiscard]] virtual std::optional<win::DWORD> ProcessIntegrityLevel(win::DWORD processId) = 0;
};

}  // namespace platform
