// User-control sites as real child windows.
#pragma once

#include "platform/UserControlSurface.h"
#include "platform/win32/Win32OleSession.h"

namespace win32 {

class Win32UserControls final : public platform::UserControls {
 public:
  std::unique_ptr<platform::UserControlSurface> Create(win::HWND parent, int left, int top,
                                                       int width, int height) override;

  // For the message loop: an Alt+key (WM_SYSCHAR) is an access-key press for
  // the enabled, visible site of the same top-level window whose access keys
  // hold the key. Returns whether a site took it.
  static bool TranslateAccessKey(win::HWND window, win::UINT message, win::WPARAM wParam);

 private:
  OleSession ole_;
};

}  // namespace win32
