#include "platform/win32/Win32Shell.h"

namespace {
// Read before <windows.h> defines a macro of the same name.
constexpr auto kPortableV1Size = win::NOTIFYICONDATAA_V1_SIZE;
}  // namespace

#include <windows.h>
// shellapi.h builds on windows.h.
#include <shellapi.h>

namespace win32 {

// The portable record is the platform's own first-version record.
static_assert(kPortableV1Size == NOTIFYICONDATAA_V1_SIZE);
static_assert(offsetof(win::NOTIFYICONDATAA, hWnd) == offsetof(::NOTIFYICONDATAA, hWnd));
static_assert(offsetof(win::NOTIFYICONDATAA, uID) == offsetof(::NOTIFYICONDATAA, uID));
static_assert(offsetof(win::NOTIFYICONDATAA, uFlags) == offsetof(::NOTIFYICONDATAA, uFlags));
static_assert(offsetof(win::NOTIFYICONDATAA, uCallbackMessage) ==
              offsetof(::NOTIFYICONDATAA, uCallbackMessage));
static_assert(offsetof(win::NOTIFYICONDATAA, hIcon) == offsetof(::NOTIFYICONDATAA, hIcon));
static_assert(offsetof(win::NOTIFYICONDATAA, szTip) == offsetof(::NOTIFYICONDATAA, szTip));

win::BOOL Win32Shell::Shell_NotifyIconA(win::DWORD message, const win::NOTIFYICONDATAA* data) {
  return ::Shell_NotifyIconA(
      message, const_cast<::NOTIFYICONDATAA*>(reinterpret_cast<const ::NOTIFYICONDATAA*>(data)));
}

win::HINSTANCE Win32Shell::ShellExecuteA(win::HWND owner, const char* operation, const char* file,
                                         const char* parameters, const char* directory,
                                         int showCommand) {
  return reinterpret_cast<win::HINSTANCE>(::ShellExecuteA(
      reinterpret_cast<HWND>(owner), operation, file, parameters, directory, showCommand));
}

}  // namespace win32
