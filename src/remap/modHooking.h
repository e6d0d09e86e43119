// The low-level mouse hook's module state and its procedure. The procedure
// asks ButtonDispatch what to do with each event, sends the keys, hands a
// program start to the main window (never starting it inside the hook, where
// the whole desktop's mouse waits) and consumes or passes the event on.
#pragma once

#include <memory>

#include "platform/Input.h"
#include "platform/Windowing.h"
#include "remap/ButtonDispatch.h"

class clsMouseEvents;

namespace modHooking {

// The first five fields of the event record, which the procedure copies for
// side-button events.
struct MouseHookRecord {
  win::POINT pt;
  win::DWORD mouseData;
  win::DWORD flags;
  win::DWORD time;
};
static_assert(sizeof(MouseHookRecord) == 20);

// What SetWindowsHookExA answered: 0 before installation and after a failed
// one. It keeps its value after the hook is removed.
inline win::HHOOK hMouseHook = 0;
// The one hook object of the process.
inline std::shared_ptr<clsMouseEvents> objMouseEvents;
inline MouseHookRecord MouseHookData{};
// Whether the hook of hMouseHook is in place now.
inline bool HookInstalled = false;
// What the side-button and wheel-button presses left for their releases.
inline remap::ButtonMemory Buttons;

// Posted to the main window to start a program (wParam: a remap::Program)
// from its message loop, right after the hook call that consumed the press.
constexpr win::UINT WM_LAUNCHPROGRAM = win::WM_APP + 1;

win::LRESULT MouseHookProc(int nCode, win::WPARAM wParam, win::LPARAM lParam);

// The main window's handling of WM_LAUNCHPROGRAM: starts the program through
// the shell, maximised, with owner as its owner window. Failures are ignored.
void LaunchProgram(win::HWND owner, win::WPARAM program);

}  // namespace modHooking
