// A line for whoever watches the system's debug output (OutputDebugStringA,
// seen with a debug-output viewer), written where a failure leaves the user
// without a function they expect. The user is never shown anything.
#pragma once

#include <string>
#include <string_view>

#include "platform/Services.h"

namespace platform {

class DebugLog {
 public:
  virtual ~DebugLog() = default;
  virtual void OutputDebugStringA(const char* text) = 0;
};

// One line, named after the program so it can be told from other programs'.
inline void DebugLine(std::string_view what) {
  const std::string line = "KV3050PSetup: " + std::string(what) + "\n";
  Use<DebugLog>().OutputDebugStringA(line.c_str());
}

}  // namespace platform
