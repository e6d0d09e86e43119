// What the mouse hook decides with, for one run of the program: the choices
// the panel's combo boxes show, pushed in from the window's thread whenever
// one of them changes, and what earlier presses left for their releases,
// which only the hook's thread touches. The main window owns it; the hook
// reaches it through the hook object.
#pragma once

#include <string>
#include <string_view>

#include "platform/Windowing.h"
#include "remap/ButtonDispatch.h"
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

  // The window's thread: the texts cmbWButton, cmbXButton1 and cmbXButton2
  // show now. The hook's next event sees them.
  void SetChoices(std::string_view wheelButton, std::string_view xButton1,
                  std::string_view xButton2);

  // The deciding thread only, one at a time.
  Choices CurrentChoices();
  const ButtonMemory& Memory() const { return memory_; }
  // Decides one event with the current choices and keeps what it leaves for
  // the releases to come.
  Decision Decide(int nCode, win::WPARAM wParam, win::DWORD mouseData);

 private:
  // What the window's thread sets, handed over whole.
  struct Settings {
    std::string wheelButton;
    std::string xButton1;
    std::string xButton2;
  };
  // The window thread's copy of what it published last.
  Settings published_;
  Latest<Settings> settings_;
  ButtonMemory memory_;
};

}  // namespace remap
