// shell32 as the system uses it: the notification-area icon and starting
// programs and documents.
#pragma once

#include <cstddef>

#include "platform/WinTypes.h"

namespace win {

constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;

constexpr UINT NIF_MESSAGE = 1;
constexpr UINT NIF_ICON = 2;
constexpr UINT NIF_TIP = 4;

// The first version of the shell's ANSI notification-icon record. The same
// declaration has the platform's own layout: 88 bytes on 32-bit Windows,
// 104 on 64-bit (pointer-sized handles, aligned).
struct NOTIFYICONDATAA {
  DWORD cbSize;
  HWND hWnd;
  UINT uID;
  UINT uFlags;
  UINT uCallbackMessage;
  HICON hIcon;
  char szTip[64];
};
constexpr DWORD NOTIFYICONDATAA_V1_SIZE = offsetof(NOTIFYICONDATAA, szTip) + 64;
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);

}  // namespace win

namespace platform {

class Shell {
 public:
  virtual ~Shell() = default;
  [[nodiscard]] virtual win::BOOL Shell_NotifyIconA(win::DWORD message,
                                                    const win::NOTIFYICONDATAA* data) = 0;
  // Results above 32 mean success.
  [[nodiscard]] virtual win::HINSTANCE ShellExecuteA(win::HWND owner, const char* operation,
                                                     const char* file, const char* parameters,
                                                     const char* directory, int showCommand) = 0;
};

}  // namespace platform
