#include "remap/modHooking.h"

#include <cstring>
#include <string_view>

#include "platform/Services.h"
#include "platform/Shell.h"
#include "shell/frmMain.h"

namespace modHooking {
namespace {

std::string_view TextOf(const toolkit::ComboBox& box) {
  // The entry itself, not a copy: this runs for every mouse event.
  return box.ListIndex() < 0 ? std::string_view() : std::string_view(box.List(box.ListIndex()));
}

remap::Choices CurrentChoices() {
  const frmMain* window = frmMain::Current();
  if (window == nullptr) return {};
  return {TextOf(window->cmbWButton), TextOf(window->cmbXButton1), TextOf(window->cmbXButton2)};
}

// Copies the record of a side-button event and answers its mouseData; other
// events do not need it.
win::DWORD SideButtonData(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  if (nCode < 0 || lParam == 0 || (wParam != win::WM_XBUTTONDOWN && wParam != win::WM_XBUTTONUP)) {
    return 0;
  }
  std::memcpy(&MouseHookData, reinterpret_cast<const void*>(lParam), sizeof MouseHookData);
  return MouseHookData.mouseData;
}

void PostLaunch(remap::Program program) {
  if (const frmMain* window = frmMain::Current()) {
    platform::Use<platform::Windowing>().PostMessageA(window->form.hWnd(), WM_LAUNCHPROGRAM,
                                                      static_cast<win::WPARAM>(program), 0);
  }
}

}  // namespace

win::LRESULT MouseHookProc(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  auto& input = platform::Use<platform::Input>();
  const remap::Decision decision = remap::Decide(
      nCode, wParam, SideButtonData(nCode, wParam, lParam), CurrentChoices(), Buttons);
  for (const remap::KeyStroke& key : decision.keys) {
    input.keybd_event(key.vk, key.vk, key.up ? win::KEYEVENTF_KEYUP : 0, 0);
  }
  if (decision.launch) PostLaunch(*decision.launch);
  return decision.consume ? 1 : input.CallNextHookEx(hMouseHook, nCode, wParam, lParam);
}

void LaunchProgram(win::HWND owner, win::WPARAM program) {
  const char* file = remap::ProgramFile(program);
  if (file == nullptr) return;
  // The directory is a text of two quote characters, neither empty nor null.
  platform::Use<platform::Shell>().ShellExecuteA(owner, nullptr, file, nullptr, "\"\"",
                                                 win::SW_SHOWMAXIMIZED);
}

}  // namespace modHooking
