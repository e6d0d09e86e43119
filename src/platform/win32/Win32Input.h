// Input over user32: low-level hooks, keybd_event and the last input time.
#pragma once

#include "platform/Input.h"

namespace win32 {

class Win32Input final : public platform::Input {
 public:
  win::HHOOK SetWindowsHookExA(int idHook, win::HOOKPROC procedure, win::HINSTANCE module,
                               win::DWORD threadId) override;
  win::LRESULT CallNextHookEx(win::HHOOK hook, int nCode, win::WPARAM wParam,
                              win::LPARAM lParam) override;
  win::BOOL UnhookWindowsHookEx(win::HHOOK hook) override;
  void keybd_event(win::BYTE bVk, win::BYTE bScan, win::DWORD dwFlags,
                   win::ULONG_PTR dwExtraInfo) override;
  win::BOOL GetLastInputInfo(win::LASTINPUTINFO* info) override;
};

}  // namespace win32
