#include "platform/sim/SimForeground.h"

#include <algorithm>
#include <utility>

namespace sim {
namespace {

long long Overlap(const win::RECT& a, const win::RECT& b) {
  const long long w = std::min(a.right, b.right) - std::max(a.left, b.left);
  const long long h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

// Squared distance between the rectangles' nearest points.
long long Distance(const win::RECT& a, const win::RECT& b) {
  const long long dx =
      std::max({0L, static_cast<long>(b.left - a.right), static_cast<long>(a.left - b.right)});
  const long long dy =
      std::max({0L, static_cast<long>(b.top - a.bottom), static_cast<long>(a.top - b.bottom)});
  return dx * dx + dy * dy;
}

}  // namespace

SimForeground::SimForeground() {
  AddMonitor({0, 0, 1920, 1080});
  shellWindow = AddWindow({0, 0, 1920, 1080}, "Progman", shellProcess);
  SetIntegrityLevel(currentProcess, win::SECURITY_MANDATORY_MEDIUM_RID);
}

std::string SimForeground::GetClassNameA(win::HWND window) {
  ++queries;
  const auto found = windows.find(window);
  return found == windows.end() ? std::string() : found->second.className;
}

win::BOOL SimForeground::IsZoomed(win::HWND window) {
  ++queries;
  const auto found = windows.find(window);
  return found != windows.end() && found->second.zoomed ? win::TRUE : win::FALSE;
}

win::BOOL SimForeground::GetWindowRect(win::HWND window, win::RECT* rect) {
  ++queries;
  const auto found = windows.find(window);
  if (found == windows.end() || rect == nullptr) return win::FALSE;
  *rect = found->second.rect;
  return win::TRUE;
}

win::HMONITOR SimForeground::MonitorFromWindow(win::HWND window, win::DWORD flags) {
  ++queries;
  const auto found = windows.find(window);
  if (found == windows.end() || monitors.empty()) return 0;
  const win::RECT& rect = found->second.rect;
  const auto most = std::max_element(monitors.begin(), monitors.end(), [&](auto& a, auto& b) {
    return Overlap(a.monitor, rect) < Overlap(b.monitor, rect);
  });
  if (Overlap(most->monitor, rect) > 0) return most->handle;
  if (flags != win::MONITOR_DEFAULTTONEAREST) return 0;
  return std::min_element(monitors.begin(), monitors.end(),
                          [&](auto& a, auto& b) {
                            return Distance(a.monitor, rect) < Distance(b.monitor, rect);
                          })
      ->handle;
}

win::BOOL SimForeground::GetMonitorInfoA(win::HMONITOR monitor, win::MONITORINFO* info) {
  ++queries;
  if (info == nullptr || info->cbSize != sizeof(win::MONITORINFO)) return win::FALSE;
  for (const SimMonitor& m : monitors) {
    if (m.handle != monitor) continue;
    info->rcMonitor = m.monitor;
    info->rcWork = m.work;
    info->dwFlags = &m == &monitors.front() ? 1 : 0;  // MONITORINFOF_PRIMARY
    return win::TRUE;
  }
  return win::FALSE;
}

win::RECT SimForeground::VirtualScreen() const {
  win::RECT all = monitors.front().monitor;
  for (const SimMonitor& m : monitors) {
    all = {std::min(all.left, m.monitor.left), std::min(all.top, m.monitor.top),
           std::max(all.right, m.monitor.right), std::max(all.bottom, m.monitor.bottom)};
  }
  return all;
}

win::BOOL SimForeground::GetClipCursor(win::RECT* rect) {
  ++queries;
  if (rect == nullptr) return win::FALSE;
  *rect = clip_.value_or(VirtualScreen());
  return win::TRUE;
}

int SimForeground::GetSystemMetrics(int index) {
  ++queries;
  const win::RECT all = VirtualScreen();
  switch (index) {
    case win::SM_XVIRTUALSCREEN:
      return all.left;
    case win::SM_YVIRTUALSCREEN:
      return all.top;
    case win::SM_CXVIRTUALSCREEN:
      return all.right - all.left;
    case win::SM_CYVIRTUALSCREEN:
      return all.bottom - all.top;
    default:
      return 0;
  }
}

win::DWORD SimForeground::GetWindowProcessId(win::HWND window) {
  ++queries;
  const auto found = windows.find(window);
  return found == windows.end() ? 0 : found->second.processId;
}

std::optional<win::DWORD> SimForeground::ProcessIntegrityLevel(win::DWORD processId) {
  ++queries;
  ++levelQueries[processId];
  const auto found = levels_.find(processId);
  // A process that is gone cannot be opened either.
  return found == levels_.end() ? std::nullopt : found->second;
}

win::HMONITOR SimForeground::AddMonitor(win::RECT monitor, int taskbarHeight) {
  win::RECT work = monitor;
  work.bottom -= taskbarHeight;
  monitors.push_back({nextMonitor_, monitor, work});
  return nextMonitor_++;
}

win::HWND SimForeground::AddWindow(win::RECT rect, std::string className, win::DWORD processId) {
  const win::HWND handle = nextWindow_;
  nextWindow_ += 0x10;
  windows[handle] = {rect, std::move(className), processId};
  if (!levels_.count(processId)) levels_[processId] = win::SECURITY_MANDATORY_MEDIUM_RID;
  return handle;
}

void SimForeground::Maximize(win::HWND window) {
  const win::HMONITOR monitor = MonitorFromWindow(window, win::MONITOR_DEFAULTTONEAREST);
  for (const SimMonitor& m : monitors) {
    if (m.handle != monitor) continue;
    SimTopWindow& w = windows.at(window);
    w.rect = {m.work.left - 8, m.work.top - 8, m.work.right + 8, m.work.bottom + 8};
    w.zoomed = true;
  }
}

void SimForeground::ClipCursor(const win::RECT* rect) {
  if (rect == nullptr) {
    clip_.reset();
    return;
  }
  const win::RECT all = VirtualScreen();
  clip_ = win::RECT{std::max(rect->left, all.left), std::max(rect->top, all.top),
                    std::min(rect->right, all.right), std::min(rect->bottom, all.bottom)};
}

void SimForeground::SetIntegrityLevel(win::DWORD processId, std::optional<win::DWORD> level) {
  levels_[processId] = level;
}

}  // namespace sim
