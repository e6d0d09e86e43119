// The low-level mouse hook's module state and its procedure, which runs on
// the hook object's thread. The procedure hands pointer moves and wheel turns
// on at once; for the buttons it asks the hook object's engine what to do,
// sends the keys, posts a program start to the main window (never starting
// it inside the hook, where the whole desktop's mouse waits, and never
// waiting for the window's thread) and consumes or passes the event on.
#pragma once

#include <memory>

#include "platform/Input.h"
#include "platform/Windowing.h"

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

// What SetWindowsHookExA answered for the current hook: 0 before
// installation and after a failed one. It keeps its value after the hook is
// removed. Only the hook thread writes it; others read it once that thread
// has done its work.
inline win::HHOOK hMouseHook = 0;
// The one hook object of the process, empty while no hook is wanted. The
// window's thread sets it before the hook thread starts and empties it once
// that thread has ended.
inline std::shared_ptr<clsMouseEvents> objMouseEvents;
inline MouseHookRecord MouseHookData{};

// Posted to the main window to start a program (wParam: a remap::Program)
// from its message loop, right after the hook call that consumed the press.
constexpr win::UINT WM_LAUNCHPROGRAM = win::WM_APP + 1;

win::LRESULT MouseHookProc(int nCode, win::WPARAM wParam, win::LPARAM lParam);

// The main window's handling of WM_LAUNCHPROGRAM: hands the start to the
// shell on a worker thread, maximised, with owner as its owner window.
// Failures are ignored.
void LaunchProgram(win::HWND owner, win::WPARAM program);

}  // namespace modHooking
