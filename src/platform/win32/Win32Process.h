// The process over kernel32: command line, a named mutex for the single-copy
// rule, and ExitProcess.
#pragma once

#include "platform/Process.h"

namespace win32 {

class Win32Process final : public platform::Process {
 public:
  std::string GetCommandLineA() override;
  bool IsAnotherInstanceRunning() override;
  win::DWORD GetCurrentProcessId() override;
  win::HINSTANCE GetModuleHandleA(const char* moduleName) override;
  void ExitProcess(unsigned code) override;
};

}  // namespace win32
