// How a thread of the real backend that has windows waits: for its message
// queue and, beside it, for the registry keys it watches, so a watch needs
// no thread of its own.
#pragma once

#include "platform/win32/Win32Registry.h"

namespace win32 {

// Waits at most timeoutMs (INFINITE: 0xFFFFFFFF) until the thread's queue
// holds a message, posting a watched key's message first when its event is
// set; false when the time ran out.
bool WaitForMessage(Win32Registry& registry, unsigned long timeoutMs);

}  // namespace win32
