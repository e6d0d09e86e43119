#include "remap/ButtonDispatch.h"

#include <utility>

namespace remap {
namespace {

constexpr std::optional<std::size_t> SideIndex(Button button) {
  if (button == Button::Side1) return 0;
  if (button == Button::Side2) return 1;
  return std::nullopt;
}

// Whether a press of this button goes on to the applications untouched.
bool PassesOn(Button button, const Settings& settings, const Context& context) {
  if (settings.paused || context.holdsMouse) return true;
  // Starting a program does not need the foreground's input, keys do.
  return button != Button::Wheel && context.elevated;
}

// The button no longer holds its key; the key goes up unless the other
// button holds it too.
void Release(std::size_t button, ButtonMemory& memory, std::vector<KeyStroke>& keys) {
  const std::uint8_t key = std::exchange(memory.keyDown[button], 0);
  if (key != 0 && !memory.IsDown(key)) keys.push_back({key, true});
}

}  // namespace

Settings Settings::FromTexts(std::string_view wheelButton, std::string_view xButton1,
                             std::string_view xButton2, bool paused) {
  return {{choice::SideKey(xButton1), choice::SideKey(xButton2)},
          choice::WheelProgram(wheelButton),
          paused};
}

bool NeedsContext(ButtonEvent event, const Settings& settings, const ButtonMemory& memory) {
  if (settings.paused) return false;
  if (event.down || event.button == Button::OtherSide) return true;
  const auto side = SideIndex(event.button);
  return side && memory.side[*side] == Press::None;
}

Decision Decide(ButtonEvent event, const Settings& settings, const Context& context,
                ButtonMemory& memory) {
  Decision decision;
  const bool passes = PassesOn(event.button, settings, context);
  if (event.button == Button::Wheel) {
    if (event.down) {
      if (!passes && settings.wheel != Program::None) decision.launch = settings.wheel;
      decision.consume = decision.launch.has_value();
      memory.wheel = decision.consume ? Press::Consumed : Press::Passed;
    } else {
      // Applications see both halves of a wheel click or neither.
      decision.consume = std::exchange(memory.wheel, Press::None) == Press::Consumed;
    }
    return decision;
  }
  const auto side = SideIndex(event.button);
  if (!side) {
    // Nothing to pair it with: it goes as a press would go now.
    decision.consume = !passes;
    return decision;
  }
  // A release lets go of the key its own press sent, whatever the settings
  // say by now; a press whose release never came does the same first.
  Release(*side, memory, decision.keys);
  if (!event.down) {
    const Press press = std::exchange(memory.side[*side], Press::None);
    decision.consume = press == Press::None ? !passes : press == Press::Consumed;
    return decision;
  }
  memory.side[*side] = passes ? Press::Passed : Press::Consumed;
  if (passes) return decision;
  decision.consume = true;
  const std::uint8_t key = settings.sideKey[*side];
  if (key == 0) return decision;
  // A key goes up before it goes down again, also when the other button
  // holds it: each press is a press of its own.
  if (memory.IsDown(key)) decision.keys.push_back({key, true});
  decision.keys.push_back({key, false});
  memory.keyDown[*side] = key;
  return decision;
}

}  // namespace remap
