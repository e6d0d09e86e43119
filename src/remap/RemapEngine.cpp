#include "remap/RemapEngine.h"

namespace remap {

void RemapEngine::SetChoices(std::string_view wheelButton, std::string_view xButton1,
                             std::string_view xButton2) {
  wheelButton_ = wheelButton;
  xButton1_ = xButton1;
  xButton2_ = xButton2;
}

Decision RemapEngine::Decide(int nCode, win::WPARAM wParam, win::DWORD mouseData) {
  return remap::Decide(nCode, wParam, mouseData, CurrentChoices(), memory_);
}

}  // namespace remap
