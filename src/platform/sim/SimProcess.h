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
  void ExitProcess(unsigned code) override {
    if (!exitCode) exitCode = code;
  }

  std::string commandLine = "\"C:\\Program Files\\KV3050P\\KV3050PSetup.exe\"";
  bool anotherInstance = false;
  int instanceQueries = 0;
  std::optional<unsigned> exitCode;
};

}  // namespace sim
