// What a conformance test asks of the backend it runs against: the services
// under test and a few facts about the platform underneath. A backend
// installs every service of its platform for as long as it lives.
#pragma once

#include <memory>

#include "platform/Foreground.h"
#include "platform/Gdi.h"
#include "platform/Input.h"
#include "platform/MouseParams.h"
#include "platform/Pointer.h"
#include "platform/Registry.h"
#include "platform/Screen.h"
#include "platform/Threads.h"
#include "platform/Timers.h"
#include "platform/UserControlSurface.h"
#include "platform/Windowing.h"

namespace conformance {

class Backend {
 public:
  virtual ~Backend() = default;
  virtual platform::Registry& Registry() = 0;
  virtual platform::MouseParams& MouseParams() = 0;
  virtual platform::Input& Input() = 0;
  virtual platform::Threads& Threads() = 0;
  virtual platform::Foreground& Foreground() = 0;
  // The mouse does something, as a device would (a move by nothing, a side
  // button); the installed low-level hooks have run when this returns.
  virtual void MouseEvent(win::UINT message, win::DWORD mouseData) = 0;
  // The test program's own module, which its hooks are installed with.
  virtual win::HINSTANCE ProgramModule() = 0;
  // Open handles of the process (win32) or open registry keys (sim): the
  // difference across a call is what the call leaked.
  virtual long OpenHandles() = 0;
  // Drawing and the user-control sites that draw.
  virtual platform::Gdi& Gdi() = 0;
  virtual platform::Screen& Screen() = 0;
  virtual platform::Timers& Timers() = 0;
  virtual platform::Pointer& Pointer() = 0;
  virtual platform::UserControls& UserControls() = 0;
  virtual platform::Windowing& Windowing() = 0;
  // A top-level window of the test's own, for user controls to live on.
  virtual win::HWND Window() = 0;
  // A window that messages can be posted to, and how many of this message
  // were posted to it: waits a moment, as the program's loop waits (which
  // delivers a registry watch's posts), and takes them from the queue.
  virtual win::HWND MessageWindow() = 0;
  virtual int TakePosted(win::HWND window, win::UINT message) = 0;
  // Live GDI objects and DCs of the process (win32) or of the sim GDI.
  virtual long GdiObjects() = 0;
  // Where Wine and Windows differ, the tests accept Wine's answer only here.
  virtual bool IsWine() const = 0;
  virtual bool IsSim() const = 0;
};

// Each backend folder defines this once.
std::unique_ptr<Backend> MakeBackend();

}  // namespace conformance
