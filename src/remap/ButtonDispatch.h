// What the mouse hook does with one button event, decided apart from the hook
// and the platform: whether the event is consumed, which browser key goes down
// or up, and which program starts. The answer depends on the event, on the
// settings at that moment, on the desktop in front of the user, and on what
// earlier presses did, so that every release goes the way its press went.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "mouse/Choices.h"

namespace remap {

using Program = choice::Program;

// OtherSide: a side-button event whose data names neither button.
enum class Button : std::uint8_t { Wheel, Side1, Side2, OtherSide };

struct ButtonEvent {
  Button button;
  bool down;
};

// Everything the user decides, read whole by each decision: one small value,
// so that whoever owns it can hand a copy to another thread.
struct Settings {
  // The browser key per side button (1, 2), 0 for none.
  std::array<std::uint8_t, 2> sideKey{};
  Program wheel = Program::None;
  bool paused = false;

  // From the texts cmbWButton, cmbXButton1 and cmbXButton2 show.
  static Settings FromTexts(std::string_view wheelButton, std::string_view xButton1,
                            std::string_view xButton2, bool paused = false);
  bool operator==(const Settings&) const = default;
};

// The desktop when a button goes down.
struct Context {
  // The foreground application holds the mouse (a game): it keeps every
  // button.
  bool holdsMouse = false;
  // The foreground process runs above this program's integrity level: the
  // keys this program sends would be dropped, so the side buttons go on.
  bool elevated = false;
};

struct KeyStroke {
  std::uint8_t vk;
  bool up;
  bool operator==(const KeyStroke&) const = default;
};

// How a press went, for its release to go the same way.
enum class Press : std::uint8_t { None, Consumed, Passed };

// What presses leave for their releases.
struct ButtonMemory {
  // Per side button (1, 2): the key its press sent down and that is not yet
  // released, 0 for none.
  std::array<std::uint8_t, 2> keyDown{};
  std::array<Press, 2> side{};
  Press wheel = Press::None;
  // Whether a side button holds this key down.
  bool IsDown(std::uint8_t key) const { return keyDown[0] == key || keyDown[1] == key; }
  bool operator==(const ButtonMemory&) const = default;
};

struct Decision {
  // No application sees the event.
  bool consume = false;
  // Keys to synthesise, in order.
  std::vector<KeyStroke> keys;
  std::optional<Program> launch;
  bool operator==(const Decision&) const = default;
};

// Whether the context is needed for this event: releases go the way their
// press went, and a pause passes everything on, whatever is in front.
bool NeedsContext(ButtonEvent event, const Settings& settings, const ButtonMemory& memory);

// Decides one event and updates memory for the releases to come.
Decision Decide(ButtonEvent event, const Settings& settings, const Context& context,
                ButtonMemory& memory);

}  // namespace remap
