// What the program asks of its own process: the command line, whether another
// copy runs in the same sign-in, and ending at once.
#pragma once

#include <string>

#include "platform/WinTypes.h"

namespace platform {

class Process {
 public:
  virtual ~Process() = default;
  // The whole command line, program name first (GetCommandLineA).
  [[nodiscard]] virtual std::string GetCommandLineA() = 0;
  // True exactly when another copy of this program runs in the same sign-in.
  // Asked once, at start-up; the answer holds for the life of the process.
  [[nodiscard]] virtual bool IsAnotherInstanceRunning() = 0;
  // This process's id (GetCurrentProcessId).
  [[nodiscard]] virtual win::DWORD GetCurrentProcessId() = 0;
  // The instance handle of a loaded module, of the program itself for null.
  [[nodiscard]] virtual win::HINSTANCE GetModuleHandleA(const char* moduleName) = 0;
  // Ends the process at once, without unwinding (ExitProcess). The sim backend
  // records the request and returns, so callers return right after the call.
  virtual void ExitProcess(unsigned code) = 0;
};

}  // namespace platform
