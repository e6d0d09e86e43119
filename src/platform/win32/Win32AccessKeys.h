// Access keys of the user-control sites: Alt and a key a site holds presses
// that site, the way the dialog manager does it for standard controls.
#pragma once

#include <windows.h>

namespace win32 {

// A site that takes access keys for as long as it lives.
class AccessKeySite {
 public:
  AccessKeySite(const AccessKeySite&) = delete;
  AccessKeySite& operator=(const AccessKeySite&) = delete;

  virtual HWND AccessKeyWindow() const = 0;
  virtual bool HoldsAccessKey(char key) const = 0;
  virtual void PressAccessKey(char key) = 0;

 protected:
  AccessKeySite();
  ~AccessKeySite();
};

// For the message loop: an Alt+key (WM_SYSCHAR) is an access-key press for
// the enabled, visible site of the same top-level window whose access keys
// hold the key. Returns whether a site took it.
bool TranslateAccessKey(HWND window, UINT message, WPARAM wParam);

}  // namespace win32
