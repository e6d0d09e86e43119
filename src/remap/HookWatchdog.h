// Whether Windows has dropped the mouse hook. It removes a low-level hook
// that overruns the system's hook timeout without telling its owner, and it
// may do so across a locked screen or a sleep. The sign: between two looks,
// the pointer moved and the session took input, yet the hook saw no event at
// all. Typing alone does not move the pointer, and a program that moves it
// is no input, so neither raises the alarm; a false alarm costs one
// re-installation.
#pragma once

#include <optional>

#include "platform/WinTypes.h"

namespace remap {

class HookWatchdog {
 public:
  struct Look {
    win::POINT cursor;     // GetCursorPos
    win::DWORD lastInput;  // GetLastInputInfo's tick
  };

  // From here on, compare with this look (nothing when it could not be taken).
  void Restart(std::optional<Look> now) { previous_ = now; }
  // One look, with whether the hook saw any event since the previous one:
  // true when the system delivered mouse input past the hook. A look that
  // could not be taken tells nothing.
  bool MissedInput(std::optional<Look> now, bool hookSawEvent);

 private:
  std::optional<Look> previous_;
};

}  // namespace remap
