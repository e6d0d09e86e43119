// Windows of the toolkit over user32: a frameless top-level form window whose
// procedure hands every message to the portable code first, and the standard
// child controls.
#pragma once

#include "platform/Windowing.h"

namespace win32 {

class Win32Windowing final : public platform::Windowing {
 public:
  std::unique_ptr<platform::FormWindow> CreateForm(const platform::FormSpec& spec) override;
  std::unique_ptr<platform::ComboBoxWindow> CreateComboBox(
      const platform::ChildSpec& spec) override;
  std::unique_ptr<platform::ScrollBarWindow> CreateScrollBar(
      const platform::ChildSpec& spec) override;
  std::unique_ptr<platform::CheckBoxWindow> CreateCheckBox(
      const platform::ChildSpec& spec) override;
  int MessageBoxA(win::HWND owner, const std::string& text, const std::string& caption,
                  win::UINT type) override;
  win::BOOL PostMessageA(win::HWND window, win::UINT message, win::WPARAM wParam,
                         win::LPARAM lParam) override;
  win::LRESULT SendMessageA(win::HWND window, win::UINT message, win::WPARAM wParam,
                            win::LPARAM lParam) override;
  win::BOOL ReleaseCapture() override;
  win::HWND GetFocus() override;
  void SetFocus(win::HWND window) override;
  bool IsChild(win::HWND parent, win::HWND window) override;
  int TrackPopupMenu(const std::vector<std::string>& items, const std::vector<bool>& checked,
                     win::UINT flags, win::HWND owner) override;
  win::HICON LoadIconA(const std::string& resourceName, int width, int height) override;
  win::HCURSOR LoadCursorA(const std::string& resourceName, int width, int height) override;
  win::UINT RegisterWindowMessageA(const std::string& name) override;
  win::HWND FindWindowExA(win::HWND after, const std::string& className) override;
  win::DWORD GetWindowThreadProcessId(win::HWND window, win::DWORD* processId) override;
  win::BOOL AllowSetForegroundWindow(win::DWORD processId) override;
  win::BOOL SetForegroundWindow(win::HWND window) override;
  win::HMONITOR MonitorFromWindow(win::HWND window, win::DWORD flags) override;
  std::optional<platform::MonitorInfo> GetMonitorInfoA(win::HMONITOR monitor) override;
};

}  // namespace win32
