// The system's mouse parameters in memory, with Windows' defaults and range
// checks, recording every call with its arguments.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/MouseParams.h"

namespace sim {

// How a null pointer argument is recorded.
constexpr std::int64_t kNullPointer = INT64_MIN;

struct MouseParamsCall {
  std::string function;
  // The call's arguments in order. A pointer argument is recorded as the
  // 32-bit value it points to on entry (SPI_SETMOUSE adds its array's three
  // values at the end); SPI_SETMOUSESPEED's pvParam is the speed itself.
  std::vector<std::int64_t> args;

  bool operator==(const MouseParamsCall&) const = default;
};

class SimMouseParams final : public platform::MouseParams {
 public:
  win::BOOL SystemParametersInfoA(win::UINT action, win::UINT uiParam, void* pvParam,
                                  win::UINT winIni) override;
  int GetSystemMetrics(int index) override;
  win::BOOL SwapMouseButton(win::BOOL swap) override;
  win::UINT GetDoubleClickTime() override;
  win::BOOL SetDoubleClickTime(win::UINT milliseconds) override;

  const std::vector<MouseParamsCall>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }

  // The system state, for tests to arrange and inspect.
  int speed = 10;
  std::array<int, 3> acceleration{6, 10, 1};
  bool swapped = false;
  win::UINT doubleClickTime = 500;
  win::UINT wheelLines = 3;

 private:
  std::vector<MouseParamsCall> calls_;
};

}  // namespace sim
