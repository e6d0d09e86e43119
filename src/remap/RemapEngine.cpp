#include "remap/RemapEngine.h"

namespace remap {

void RemapEngine::SetChoices(std::string_view wheelButton, std::string_view xButton1,
                             std::string_view xButton2) {
  published_.wheelButton = wheelButton;
  published_.xButton1 = xButton1;
  published_.xButton2 = xButton2;
  settings_.Publish(published_);
}

Choices RemapEngine::CurrentChoices() {
  const Settings& settings = settings_.Read();
  return {settings.wheelButton, settings.xButton1, settings.xButton2};
}

Decision RemapEngine::Decide(int nCode, win::WPARAM wParam, win::DWORD mouseData) {
  return remap::Decide(nCode, wParam, mouseData, CurrentChoices(), memory_);
}

}  // namespace remap
