#include "platform/win32/Win32Process.h"

#include <windows.h>

namespace win32 {

std::string Win32Process::GetCommandLineA() { return ::GetCommandLineA(); }

bool Win32Process::IsAnotherInstanceRunning() {
  // A mutex in the session's namespace: one per sign-in, gone with its last
  // holder. Its handle stays open for the life of the process on purpose.
  static const bool another = [] {
    HANDLE mutex = ::CreateMutexA(nullptr, FALSE, "Local\\KV3050PSetup.SingleInstance");
    return mutex != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS;
  }();
  return another;
}

win::DWORD Win32Process::GetCurrentProcessId() { return ::GetCurrentProcessId(); }

win::HINSTANCE Win32Process::GetModuleHandleA(const char* moduleName) {
  return reinterpret_cast<win::HINSTANCE>(::GetModuleHandleA(moduleName));
}

void Win32Process::ExitProcess(unsigned code) { ::ExitProcess(code); }

}  // namespace win32
