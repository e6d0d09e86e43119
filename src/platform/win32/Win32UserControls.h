// User-control sites as real child windows, and the pointer's position.
#pragma once

#include "platform/Pointer.h"
#include "platform/UserControlSurface.h"

namespace win32 {

class Win32UserControls final : public platform::UserControls {
 public:
  std::unique_ptr<platform::UserControlSurface> Create(win::HWND parent, int left, int top,
                                                       int width, int height) override;

  // For the message loop: an Alt+key (WM_SYSCHAR) is an access-key press for
  // the enabled, visible site of the same top-level window whose access keys
  // hold the key. Returns whether a site took it.
  static bool TranslateAccessKey(win::HWND window, win::UINT message, win::WPARAM wParam);
};

class Win32Pointer final : public platform::Pointer {
 public:
  win::BOOL GetCursorPos(win::POINT* point) override;
  win::BOOL ScreenToClient(win::HWND window, win::POINT* point) override;
};

}  // namespace win32
