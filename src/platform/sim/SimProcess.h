// The process as tests arrange it: a command line, whether another copy
// runs, and the exit it was asked for.
#pragma once

#include <optional>

#include "platform/Process.h"

namespace sim {

class SimProcess final : public platform::Process {
 public:
  std::string GetCommandLineA() override { return commandLine; }
  bool IsAnotherInstanceRunning() override {
    ++instanceQueries;
    return anotherInstance;
  }
  win::DWORD GetCurrentProcessId() override { return processId; }
  // Only the program itself is loaded.
  win::HINSTANCE GetModuleHandleA(const char* moduleName) override {
    return moduleName == nullptr ? instance : 0;
  }
  void ExitProcess(unsigned code) override {
    if (!exitCode) exitCode = code;
  }

  std::string commandLine = "\"C:\\Program Files\\KV3050P\\KV3050PSetup.exe\"";
  bool anotherInstance = false;
  win::HINSTANCE instance = 0x140000000;
  // Tests that play a second copy in the same world give it another id.
  win::DWORD processId = 1000;
  int instanceQueries = 0;
  std::optional<unsigned> exitCode;
};

}  // namespace sim
