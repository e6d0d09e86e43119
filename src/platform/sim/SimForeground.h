// The desktop in front of the user, in memory: monitors, top-level windows
// with their class, process and maximised state, the foreground window, the
// shell's desktop window, the pointer's clip rectangle and each process's
// integrity level, answered with Windows' semantics. It starts as one
// 1920 x 1080 monitor with a taskbar at the bottom, the shell's desktop
// window, and this program alone at the medium level with nothing in front.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Foreground.h"

namespace sim {

struct SimTopWindow {
  win::RECT rect;
  std::string className;
  win::DWORD processId;
  bool zoomed = false;
};

struct SimMonitor {
  win::HMONITOR handle;
  win::RECT monitor;
  win::RECT work;  // without the taskbar; the monitor itself when it hides
};

class SimForeground final : public platform::Foreground {
 public:
  SimForeground();

  win::HWND GetForegroundWindow() override {
    ++queries;
    return foreground;
  }
  win::HWND GetShellWindow() override {
    ++queries;
    return shellWindow;
  }
  std::string GetClassNameA(win::HWND window) override;
  win::BOOL IsZoomed(win::HWND window) override;
  win::BOOL GetWindowRect(win::HWND window, win::RECT* rect) override;
  win::HMONITOR MonitorFromWindow(win::HWND window, win::DWORD flags) override;
  win::BOOL GetMonitorInfoA(win::HMONITOR monitor, win::MONITORINFO* info) override;
  win::BOOL GetClipCursor(win::RECT* rect) override;
  int GetSystemMetrics(int index) override;
  win::DWORD GetWindowProcessId(win::HWND window) override;
  win::DWORD GetCurrentProcessId() override {
    ++queries;
    return currentProcess;
  }
  std::optional<win::DWORD> ProcessIntegrityLevel(win::DWORD processId) override;

  // A monitor more; its work area is the monitor less a bottom taskbar of
  // taskbarHeight pixels (0: the taskbar hides itself).
  win::HMONITOR AddMonitor(win::RECT monitor, int taskbarHeight = 40);
  // A top-level window of a process (started at medium level unless set).
  win::HWND AddWindow(win::RECT rect, std::string className, win::DWORD processId);
  // Maximises the window on its monitor: Windows spreads it over the work
  // area with its sizing border (8 px) beyond each edge.
  void Maximize(win::HWND window);
  // ClipCursor: the rectangle, cut to the virtual screen; null frees the
  // pointer.
  void ClipCursor(const win::RECT* rect);
  // The process's level; nothing: its token cannot be queried.
  void SetIntegrityLevel(win::DWORD processId, std::optional<win::DWORD> level);

  win::HWND foreground = 0;
  win::HWND shellWindow = 0;
  win::DWORD currentProcess = 4000;
  win::DWORD shellProcess = 1200;
  std::map<win::HWND, SimTopWindow> windows;
  std::vector<SimMonitor> monitors;
  // Calls of the service's operations, and ProcessIntegrityLevel's per
  // process.
  int queries = 0;
  std::map<win::DWORD, int> levelQueries;

 private:
  win::RECT VirtualScreen() const;
  std::optional<win::RECT> clip_;
  std::map<win::DWORD, std::optional<win::DWORD>> levels_;
  win::HWND nextWindow_ = 0x50010;
  win::HMONITOR nextMonitor_ = 0x10001;
};

}  // namespace sim
