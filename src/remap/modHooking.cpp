#include "remap/modHooking.h"

#include <cstring>
#include <string>
#include <string_view>

#include "mouse/Choices.h"
#include "platform/DebugLog.h"
#include "platform/Services.h"
#include "platform/ShellStart.h"
#include "remap/clsMouseEvents.h"

namespace modHooking {
namespace {

// Copies the record of a side-button event and answers its mouseData; other
// events do not need it.
win::DWORD SideButtonData(win::WPARAM wParam, win::LPARAM lParam) {
  if (lParam == 0 || (wParam != win::WM_XBUTTONDOWN && wParam != win::WM_XBUTTONUP)) return 0;
  std::memcpy(&MouseHookData, reinterpret_cast<const void*>(lParam), sizeof MouseHookData);
  return MouseHookData.mouseData;
}

// A button's press or release: decided, its keys sent, a program start handed
// over. Out of line, so that the events that only pass through pay nothing
// for it.
[[gnu::noinline]] win::LRESULT DecideButton(const clsMouseEvents& events, int nCode,
                                            win::WPARAM wParam, win::LPARAM lParam) {
  auto& input = platform::Use<platform::Input>();
  remap::RemapEngine* const engine = events.Engine();
  if (engine == nullptr) return input.CallNextHookEx(hMouseHook, nCode, wParam, lParam);
  const auto event = remap::RemapEngine::EventOf(nCode, wParam, SideButtonData(wParam, lParam));
  if (!event) return input.CallNextHookEx(hMouseHook, nCode, wParam, lParam);
  const remap::Decision decision = engine->Decide(*event);
  for (const remap::KeyStroke& key : decision.keys) {
    input.keybd_event(key.vk, key.vk, key.up ? win::KEYEVENTF_KEYUP : 0, 0);
  }
  if (decision.launch && events.Window() != 0 &&
      platform::Use<platform::Windowing>().PostMessageA(events.Window(), WM_LAUNCHPROGRAM,
                                                        static_cast<win::WPARAM>(*decision.launch),
                                                        0) == win::FALSE) {
    // The window's queue is full: the click was consumed and nothing starts.
    platform::DebugLine("a wheel-button program start was lost");
  }
  return decision.consume ? 1 : input.CallNextHookEx(hMouseHook, nCode, wParam, lParam);
}

}  // namespace

win::LRESULT MouseHookProc(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  clsMouseEvents* const events = objMouseEvents.get();
  // The watchdog's sign of life, for every event.
  if (events != nullptr) events->NoteEvent();
  if (events == nullptr || remap::RemapEngine::PassesUntouched(nCode, wParam)) {
    return platform::Use<platform::Input>().CallNextHookEx(hMouseHook, nCode, wParam, lParam);
  }
  return DecideButton(*events, nCode, wParam, lParam);
}

void LaunchProgram(win::HWND owner, win::WPARAM program) {
  // Only the table's programs start, whatever the message carries.
  const std::string file(program <= 0xFF
                             ? choice::ProgramFile(static_cast<choice::Program>(program))
                             : std::string_view());
  if (file.empty()) return;
  // The directory is a text of two quote characters, neither empty nor null.
  platform::ShellExecuteOnWorker(owner, nullptr, file.c_str(), nullptr, "\"\"",
                                 win::SW_SHOWMAXIMIZED);
}

}  // namespace modHooking
