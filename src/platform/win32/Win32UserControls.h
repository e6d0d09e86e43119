// User-control sites as real child windows, and the pointer's position.
#pragma once

#include "platform/Pointer.h"
#include "platform/UserControlSurface.h"

namespace win32 {

// OLE on the UI thread, started the first time a drag or a drop target needs
// it (it costs a start more than anything else the program does, and the
// program's own buttons take no drops), and ended with the backend.
class OleSession {
 public:
  OleSession() = default;
  ~OleSession();
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  // Whether OLE runs on this thread now.
  bool Ensure();

 private:
  bool tried_ = false;
  bool started_ = false;
};

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

class Win32Pointer final : public platform::Pointer {
 public:
  win::BOOL GetCursorPos(win::POINT* point) override;
  win::BOOL ScreenToClient(win::HWND window, win::POINT* point) override;
};

}  // namespace win32
