// Session notifications over wtsapi32.
#pragma once

#include "platform/Session.h"

namespace win32 {

class Win32Session final : public platform::Session {
 public:
  win::BOOL WTSRegisterSessionNotification(win::HWND window, win::DWORD flags) override;
  win::BOOL WTSUnRegisterSessionNotification(win::HWND window) override;
};

}  // namespace win32
