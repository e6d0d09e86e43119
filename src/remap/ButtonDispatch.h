// What the mouse hook does with one mouse event, decided apart from the hook
// and the platform: whether the event is consumed, which browser key goes down
// or up, and which program starts. The answer depends on the event, on the
// texts the three combo boxes show at that moment, and on what earlier presses
// did, so that every release matches its press.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

namespace remap {

// The current texts of cmbWButton, cmbXButton1 and cmbXButton2.
struct Choices {
  std::string_view WheelButton;
  std::string_view XButton1;
  std::string_view XButton2;
};

// A program the wheel button starts. The value travels in the launch message.
enum class Program : win::WPARAM { IExplorer = 1, FileManager = 2, Excel = 3 };

// The program file handed to the shell, in double quotes of its own; null
// for a value that names no program.
const char* ProgramFile(win::WPARAM program);

struct KeyStroke {
  win::BYTE vk;
  bool up;
  bool operator==(const KeyStroke&) const = default;
};

// What presses leave for their releases.
struct ButtonMemory {
  // Per side button (1, 2): the key its press sent down and that is not yet
  // released, 0 for none.
  std::array<win::BYTE, 2> keyDown{};
  // The wheel button's last press was consumed.
  bool wheelConsumed = false;
  // Whether a side button holds this key down.
  bool IsDown(win::BYTE key) const { return keyDown[0] == key || keyDown[1] == key; }
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

// Decides one event and updates memory for the releases to come.
Decision Decide(int nCode, win::WPARAM wParam, win::DWORD mouseData, const Choices& choices,
                ButtonMemory& memory);

}  // namespace remap
