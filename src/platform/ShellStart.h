// Starting a program or document through the shell without waiting for it.
#pragma once

#include "platform/WinTypes.h"

namespace platform {

// Calls ShellExecuteA with these arguments on a short-lived thread of its
// own, COM joined there as a single-threaded apartment as the shell requires
// and left after the call, so the calling thread goes on at once. The texts
// are copied; null ones stay null. The shell's answer is not examined. False
// when no thread could be made: then nothing starts and nothing else changes.
bool ShellExecuteOnWorker(win::HWND owner, const char* operation, const char* file,
                          const char* parameters, const char* directory, int showCommand);

}  // namespace platform
