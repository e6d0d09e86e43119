// The debug output as a list of lines, for tests to read.
#pragma once

#include <string>
#include <vector>

#include "platform/DebugLog.h"

namespace sim {

class SimDebugLog final : public platform::DebugLog {
 public:
  void OutputDebugStringA(const char* text) override { lines.emplace_back(text); }

  std::vector<std::string> lines;
};

}  // namespace sim
