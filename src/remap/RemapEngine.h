// What the mouse hook decides with, for one run of the program: the settings
// (the choices the panel's combo boxes show and the pause), pushed in from
// the window's thread whenever one of them changes; what earlier presses
// left for their releases and the desktop's context at each button event,
// which only the hook's thread touches. The main window owns it; the hook
// reaches it through the hook object.
#pragma once

#include <mutex>
#include <optional>
#include <string_view>

#include "platform/Input.h"
#include "platform/Windowing.h"
#include "remap/ButtonDispatch.h"
#include "remap/DesktopContext.h"
#include "remap/Latest.h"

namespace remap {

class RemapEngine {
 public:
  // Everything but the wheel and side buttons' presses and releases goes on
  // untouched, and so does every event with a negative hook code: the hook
  // hands those on before anything else, as most of what the desktop sends
  // is pointer moves and wheel turns.
  static constexpr bool PassesUntouched(int nCode, win::WPARAM wParam) {
    // Bits from WM_MBUTTONDOWN on: the wheel button's down and up, the side
    // buttons' down and up; the double-clicks and wheel turns between them
    // are not ours.
    constexpr unsigned kHandled = 0b11'0011;
    const win::WPARAM offset = wParam - win::WM_MBUTTONDOWN;  // wraps below it
    return nCode < 0 || offset > 5 || ((kHandled >> offset) & 1U) == 0;
  }

  // The button event a hooked message is; nothing for the rest.
  static std::optional<ButtonEvent> EventOf(int nCode, win::WPARAM wParam, win::DWORD mouseData);

  // The texts cmbWButton, cmbXButton1 and cmbXButton2 show now, and the
  // pause, from the window's thread. The hook's next event sees them.
  void SetChoices(std::string_view wheelButton, std::string_view xButton1,
                  std::string_view xButton2);
  void SetPaused(bool paused);
  // What was set last.
  Settings PublishedSettings() const;

  // The deciding thread only, one event at a time.
  const ButtonMemory& Memory() const { return memory_; }
  // Decides one hooked button event with the current settings, asking the
  // desktop for its context only when that can change the answer, and keeps
  // what it leaves for the releases to come.
  Decision Decide(ButtonEvent event);

 private:
  // What was published last. Only those who set the settings take the lock
  // (the window's thread, or a test's stand-in for it beside it); the hook's
  // thread never does.
  mutable std::mutex publishing_;
  Settings published_;
  Latest<Settings> settings_;
  ButtonMemory memory_;
  DesktopContext desktop_;
};

}  // namespace remap
