// The shell seam over shell32.
#pragma once

#include "platform/Shell.h"

namespace win32 {

class Win32Shell final : public platform::Shell {
 public:
  win::BOOL Shell_NotifyIconA(win::DWORD message, const win::NOTIFYICONDATAA* data) override;
  win::HINSTANCE ShellExecuteA(win::HWND owner, const char* operation, const char* file,
                               const char* parameters, const char* directory,
                               int showCommand) override;
};

}  // namespace win32
