#include "remap/ButtonDispatch.h"

#include <utility>

#include "mouse/Choices.h"
#include "platform/Input.h"
#include "platform/Windowing.h"

namespace remap {
namespace {

// Side button 1 or 2 (as 0 or 1) by the whole mouseData value; any other
// value names no side button.
std::optional<std::size_t> SideButton(win::DWORD mouseData) {
  if (mouseData == static_cast<win::DWORD>(win::XBUTTON1) << 16) return 0;
  if (mouseData == static_cast<win::DWORD>(win::XBUTTON2) << 16) return 1;
  return std::nullopt;
}

win::BYTE KeyFor(std::string_view choice) {
  if (choice == choice::kBackward) return win::VK_BROWSER_BACK;
  if (choice == choice::kForward) return win::VK_BROWSER_FORWARD;
  return 0;
}

// The button no longer holds its key; the key goes up unless the other
// button holds it too.
void Release(std::size_t button, ButtonMemory& memory, std::vector<KeyStroke>& keys) {
  const win::BYTE key = std::exchange(memory.keyDown[button], 0);
  if (key != 0 && !memory.IsDown(key)) keys.push_back({key, true});
}

std::optional<Program> ProgramFor(std::string_view choice) {
  if (choice == choice::kIExplorer) return Program::IExplorer;
  if (choice == choice::kFileManager) return Program::FileManager;
  if (choice == choice::kExcel) return Program::Excel;
  return std::nullopt;
}

}  // namespace

const char* ProgramFile(win::WPARAM program) {
  switch (static_cast<Program>(program)) {
    case Program::IExplorer:
      return "\"iexplore.exe\"";
    case Program::FileManager:
      return "\"explorer.exe\"";
    case Program::Excel:
      return "\"excel.exe\"";
  }
  return nullptr;
}

Decision Decide(int nCode, win::WPARAM wParam, win::DWORD mouseData, const Choices& choices,
                ButtonMemory& memory) {
  Decision decision;
  if (nCode < 0) return decision;
  switch (wParam) {
    case win::WM_XBUTTONDOWN: {
      // No application ever sees a side button, whatever it is set to.
      decision.consume = true;
      const auto button = SideButton(mouseData);
      if (!button) break;
      const win::BYTE key = KeyFor(*button == 0 ? choices.XButton1 : choices.XButton2);
      // A press whose release never came: let go of the key it left down.
      Release(*button, memory, decision.keys);
      if (key == 0) break;
      // A key goes up before it goes down again, also when the other button
      // holds it: each press is a press of its own.
      if (memory.IsDown(key)) decision.keys.push_back({key, true});
      decision.keys.push_back({key, false});
      memory.keyDown[*button] = key;
      break;
    }
    case win::WM_XBUTTONUP: {
      decision.consume = true;
      // The key its own press sent, whatever the combo box says by now.
      if (const auto button = SideButton(mouseData)) Release(*button, memory, decision.keys);
      break;
    }
    case win::WM_MBUTTONDOWN:
      decision.launch = ProgramFor(choices.WheelButton);
      decision.consume = decision.launch.has_value();
      memory.wheelConsumed = decision.consume;
      break;
    case win::WM_MBUTTONUP:
      // Applications see both halves of a wheel click or neither.
      decision.consume = std::exchange(memory.wheelConsumed, false);
      break;
    default:
      break;
  }
  return decision;
}

}  // namespace remap
