// The context of a button press, read from the desktop through the platform:
// whether the foreground application holds the mouse, and whether it runs
// above this program's integrity level. Asked at button events only.
#pragma once

#include <optional>

#include "platform/WinTypes.h"
#include "remap/ButtonDispatch.h"

namespace remap {

class DesktopContext {
 public:
  Context Now();

 private:
  bool Elevated(win::DWORD process);

  // This program's level, read once.
  std::optional<win::DWORD> ownLevel_;
  // The last foreground process and its answer: a token is opened once per
  // process that comes to the front, not at every press.
  win::DWORD lastProcess_ = 0;
  bool lastElevated_ = false;
};

}  // namespace remap
