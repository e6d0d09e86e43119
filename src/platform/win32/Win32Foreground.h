// What is in front of the user, from user32, and a process's integrity level
// from its token (advapi32).
#pragma once

#include "platform/Foreground.h"

namespace win32 {

class Win32Foreground final : public platform::Foreground {
 public:
  win::HWND GetForegroundWindow() override;
  win::HWND GetShellWindow() override;
  std::string GetClassNameA(win::HWND window) override;
  win::BOOL IsZoomed(win::HWND window) override;
  win::BOOL GetWindowRect(win::HWND window, win::RECT* rect) override;
  win::HMONITOR MonitorFromWindow(win::HWND window, win::DWORD flags) override;
  win::BOOL GetMonitorInfoA(win::HMONITOR monitor, win::MONITORINFO* info) override;
  win::BOOL GetClipCursor(win::RECT* rect) override;
  int GetSystemMetrics(int index) override;
  win::DWORD GetWindowProcessId(win::HWND window) override;
  win::DWORD GetCurrentProcessId() override;
  std::optional<win::DWORD> ProcessIntegrityLevel(win::DWORD processId) override;
};

}  // namespace win32
