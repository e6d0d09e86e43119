#include "remap/RemapEngine.h"

namespace remap {

std::optional<ButtonEvent> RemapEngine::EventOf(int nCode, win::WPARAM wParam,
                                                win::DWORD mouseData) {
  if (nCode < 0) return std::nullopt;
  switch (wParam) {
    case win::WM_MBUTTONDOWN:
    case win::WM_MBUTTONUP:
      return ButtonEvent{Button::Wheel, wParam == win::WM_MBUTTONDOWN};
    case win::WM_XBUTTONDOWN:
    case win::WM_XBUTTONUP: {
      // The button by the whole mouseData value.
      const Button button =
          mouseData == static_cast<win::DWORD>(win::XBUTTON1) << 16   ? Button::Side1
          : mouseData == static_cast<win::DWORD>(win::XBUTTON2) << 16 ? Button::Side2
                                                                      : Button::OtherSide;
      return ButtonEvent{button, wParam == win::WM_XBUTTONDOWN};
    }
    default:
      return std::nullopt;
  }
}

void RemapEngine::SetChoices(std::string_view wheelButton, std::string_view xButton1,
                             std::string_view xButton2) {
  const std::lock_guard lock(publishing_);
  published_ = Settings::FromTexts(wheelButton, xButton1, xButton2, published_.paused);
  settings_.Publish(published_);
}

void RemapEngine::SetPaused(bool paused) {
  const std::lock_guard lock(publishing_);
  published_.paused = paused;
  settings_.Publish(published_);
}

Settings RemapEngine::PublishedSettings() const {
  const std::lock_guard lock(publishing_);
  return published_;
}

Decision RemapEngine::Decide(ButtonEvent event) {
  const Settings settings = settings_.Read();
  const Context context = NeedsContext(event, settings, memory_) ? desktop_.Now() : Context{};
  return remap::Decide(event, settings, context, memory_);
}

}  // namespace remap
