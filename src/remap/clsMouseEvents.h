// The owner of the process's one low-level mouse hook. It has no state of its
// own: the hook's state is modHooking's.
#pragma once

#include <memory>

#include "toolkit/Form.h"

class clsMouseEvents : public std::enable_shared_from_this<clsMouseEvents> {
 public:
  // Installs modHooking::MouseHookProc for the whole desktop and makes this
  // object modHooking::objMouseEvents. Ignored while the hook is installed.
  // The main window is passed but not needed.
  void HookMouseEvents(toolkit::Form& form);
  // Removes the hook and empties modHooking::objMouseEvents, which may end
  // this object: nothing of it is used after that.
  void UnhookMouseEvents();
};
