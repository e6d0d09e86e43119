#include "platform/win32/Win32Input.h"

#include <cstddef>
#include <type_traits>

namespace {
// Read before <windows.h> defines macros of the same names.
constexpr int kPortableMouseLL = win::WH_MOUSE_LL;
}  // namespace

#include <windows.h>

namespace win32 {
namespace {

// The portable record is the platform's own.
static_assert(kPortableMouseLL == WH_MOUSE_LL);
static_assert(sizeof(win::MSLLHOOKSTRUCT) == sizeof(::MSLLHOOKSTRUCT));
static_assert(offsetof(win::MSLLHOOKSTRUCT, pt) == offsetof(::MSLLHOOKSTRUCT, pt));
static_assert(offsetof(win::MSLLHOOKSTRUCT, mouseData) == offsetof(::MSLLHOOKSTRUCT, mouseData));
static_assert(offsetof(win::MSLLHOOKSTRUCT, flags) == offsetof(::MSLLHOOKSTRUCT, flags));
static_assert(offsetof(win::MSLLHOOKSTRUCT, time) == offsetof(::MSLLHOOKSTRUCT, time));
static_assert(offsetof(win::MSLLHOOKSTRUCT, dwExtraInfo) ==
              offsetof(::MSLLHOOKSTRUCT, dwExtraInfo));
static_assert(sizeof(win::LASTINPUTINFO) == sizeof(::LASTINPUTINFO));
static_assert(offsetof(win::LASTINPUTINFO, dwTime) == offsetof(::LASTINPUTINFO, dwTime));

// x86_64 has one calling convention, so a portable procedure is a Windows
// one and goes to SetWindowsHookExA as it is, with nothing in between on the
// path every mouse event takes. A 32-bit build would need a stdcall
// trampoline per hook and stops here instead.
static_assert(std::is_same_v<win::HOOKPROC, ::HOOKPROC>);

}  // namespace

win::HHOOK Win32Input::SetWindowsHookExA(int idHook, win::HOOKPROC procedure, win::HINSTANCE module,
                                         win::DWORD threadId) {
  return reinterpret_cast<win::HHOOK>(
      ::SetWindowsHookExA(idHook, procedure, reinterpret_cast<HINSTANCE>(module), threadId));
}

win::LRESULT Win32Input::CallNextHookEx(win::HHOOK hook, int nCode, win::WPARAM wParam,
                                        win::LPARAM lParam) {
  return ::CallNextHookEx(reinterpret_cast<HHOOK>(hook), nCode, wParam, lParam);
}

win::BOOL Win32Input::UnhookWindowsHookEx(win::HHOOK hook) {
  return ::UnhookWindowsHookEx(reinterpret_cast<HHOOK>(hook));
}

void Win32Input::keybd_event(win::BYTE bVk, win::BYTE bScan, win::DWORD dwFlags,
                             win::ULONG_PTR dwExtraInfo) {
  ::keybd_event(bVk, bScan, dwFlags, dwExtraInfo);
}

win::BOOL Win32Input::GetLastInputInfo(win::LASTINPUTINFO* info) {
  return ::GetLastInputInfo(reinterpret_cast<::LASTINPUTINFO*>(info));
}

}  // namespace win32
