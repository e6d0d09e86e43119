#pragma once

#include "platform/DebugLog.h"

namespace win32 {

class Win32DebugLog final : public platform::DebugLog {
 public:
  void OutputDebugStringA(const char* text) override;
};

}  // namespace win32
