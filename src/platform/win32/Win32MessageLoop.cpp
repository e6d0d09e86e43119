#include "platform/win32/Win32MessageLoop.h"

#include <windows.h>

#include <vector>

namespace win32 {

bool WaitForMessage(Win32Registry& registry, unsigned long timeoutMs) {
  const std::vector<void*>& events = registry.WatchEvents();
  // One wait covers at most MAXIMUM_WAIT_OBJECTS - 1 events besides the
  // queue; the program watches one key.
  const DWORD count = static_cast<DWORD>(
      events.size() < MAXIMUM_WAIT_OBJECTS ? events.size() : MAXIMUM_WAIT_OBJECTS - 1);
  const DWORD woke = ::MsgWaitForMultipleObjectsEx(count, events.data(), timeoutMs, QS_ALLINPUT,
                                                   MWMO_INPUTAVAILABLE);
  if (woke < WAIT_OBJECT_0 + count) {
    registry.Signalled(woke - WAIT_OBJECT_0);
    return true;
  }
  if (woke == WAIT_FAILED) {
    // A handle gone bad must not turn the loop into a spin: wait for the
    // queue alone.
    return ::WaitMessage() != FALSE;
  }
  return woke == WAIT_OBJECT_0 + count;
}

}  // namespace win32
