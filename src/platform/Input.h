// user32 input as the system uses it: a low-level mouse hook that sees every
// mouse event of the desktop before any application does, and synthesised
// key events.
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

namespace win {

using HHOOK = std::uintptr_t;
using ULONG_PTR = std::uintptr_t;

constexpr int WH_MOUSE_LL = 14;
constexpr int HC_ACTION = 0;

// Mouse messages a low-level hook sees besides the button messages.
constexpr UINT WM_MOUSEWHEEL = 0x020A;
constexpr UINT WM_MOUSEHWHEEL = 0x020E;

// The side button in the high word of a side-button event's mouseData.
constexpr WORD XBUTTON1 = 0x0001;
constexpr WORD XBUTTON2 = 0x0002;

// MSLLHOOKSTRUCT flags: the event was injected (SendInput, mouse_event), not
// made by a device. The hook treats both alike.
constexpr DWORD LLMHF_INJECTED = 0x00000001;

// keybd_event flags.
constexpr DWORD KEYEVENTF_KEYUP = 0x0002;

constexpr BYTE VK_BROWSER_BACK = 0xA6;
constexpr BYTE VK_BROWSER_FORWARD = 0xA7;

// What a low-level mouse hook receives in lParam. The same declaration has the
// platform's layout: 24 bytes on 32-bit Windows, 32 on 64-bit.
struct MSLLHOOKSTRUCT {
  POINT pt;
  DWORD mouseData;
  DWORD flags;
  DWORD time;
  ULONG_PTR dwExtraInfo;
};

// A hook procedure. On x86_64 this is the platform's own HOOKPROC: Windows has
// one calling convention there, so the backend hands it over as it is.
using HOOKPROC = LRESULT (*)(int nCode, WPARAM wParam, LPARAM lParam);

// What GetLastInputInfo fills in: the tick count (milliseconds since the
// system started, as GetTickCount) of the session's last input event.
struct LASTINPUTINFO {
  UINT cbSize;
  DWORD dwTime;
};

}  // namespace win

namespace platform {

class Input {
 public:
  virtual ~Input() = default;
  // Puts procedure at the head of the chain of hooks of kind idHook (only
  // WH_MOUSE_LL is used; it must be global, threadId 0). It is called on the
  // installing thread, through its message loop. Answers 0 on failure.
  [[nodiscard]] virtual win::HHOOK SetWindowsHookExA(int idHook, win::HOOKPROC procedure,
                                                     win::HINSTANCE module,
                                                     win::DWORD threadId) = 0;
  // From inside a hook procedure: runs the rest of the chain and answers its
  // result. A non-zero result of a low-level hook drops the event.
  [[nodiscard]] virtual win::LRESULT CallNextHookEx(win::HHOOK hook, int nCode, win::WPARAM wParam,
                                                    win::LPARAM lParam) = 0;
  [[nodiscard]] virtual win::BOOL UnhookWindowsHookEx(win::HHOOK hook) = 0;
  // Queues one key press or release as if it came from the keyboard; it goes
  // to the window with the keyboard focus.
  virtual void keybd_event(win::BYTE bVk, win::BYTE bScan, win::DWORD dwFlags,
                           win::ULONG_PTR dwExtraInfo) = 0;
  // When the session last took input of any device, keyboard included. Fails
  // unless cbSize is sizeof(LASTINPUTINFO).
  [[nodiscard]] virtual win::BOOL GetLastInputInfo(win::LASTINPUTINFO* info) = 0;
};

}  // namespace platform
