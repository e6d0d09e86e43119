// A second start brings the running copy's window back at once: the second
// copy hands over the right to the foreground, sets the wake-up flag and
// posts the running copy a message; the running copy also hears of any other
// write of the flag from the registry itself. The window's timer still reads
// the flag each second, as the fall-back for a signal that went astray.
#pragma once

#include <functional>

#include "platform/Ownership.h"
#include "platform/Windowing.h"
#include "toolkit/Form.h"

// The registered window message a second start posts to the running copy.
inline constexpr char kWakeUpMessage[] = "KV3050PSetup.WakeUp";

class WakeUp {
 public:
  // show brings the window back (restored, shown, tray icon removed); the
  // wake-up then brings it to the front.
  WakeUp(toolkit::Form& form, std::function<void()> show);
  WakeUp(const WakeUp&) = delete;
  WakeUp& operator=(const WakeUp&) = delete;

  // What a second copy does instead of starting: lets the running copy take
  // the foreground, writes "1" as the flag, and posts the running copy's
  // window the wake-up message. Shows, installs and changes nothing else.
  static void SignalRunningCopy();

  // The running copy, once it stays: hear of every change of the flag's key.
  void Listen();
  // Reads the flag; on exactly "1" resets it to "0" and wakes the window.
  void Check();

  // While a hold lives (the window is being hidden), a wake-up waits and
  // runs as the last hold goes, so it never lands between the hide's steps.
  class Hold {
   public:
    explicit Hold(WakeUp& owner) : owner_(&owner) { ++owner.holds_; }
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    WakeUp* owner_;
  };
  [[nodiscard]] Hold HoldBack() { return Hold(*this); }

 private:
  void Arm();
  void Wake();

  toolkit::Form& form_;
  std::function<void()> show_;
  platform::UniqueKey key_;
  int holds_ = 0;
  bool pending_ = false;
};

// Keeps at least half of the window on a monitor's work area: otherwise it is
// centred on the work area of the monitor nearest to it (a monitor that has
// gone, a lowered resolution).
void KeepOnScreen(platform::Window& window);
