// The main window's side of button remapping: it makes the hook object and
// has the hook installed (on the hook's own thread) at load, keeps it alive
// from the window's timer and across a locked session or a sleep, starts the
// programs the hook hands over, pauses and resumes, and removes the hook at
// the end.
#pragma once

#include "remap/RemapEngine.h"
#include "toolkit/Form.h"

class RemapHost {
 public:
  // Wires the form's messages: program starts the hook posts, the session's
  // unlock and the machine's resume.
  RemapHost(toolkit::Form& form, remap::RemapEngine& engine);
  ~RemapHost();
  RemapHost(const RemapHost&) = delete;
  RemapHost& operator=(const RemapHost&) = delete;

  // At the end of load: the hook object, the hook, and the session's news.
  void Start();
  // Each tick of the window's timer: the watchdog's look.
  void KeepAlive();
  // Removes the hook and ends its thread (within its bound).
  void End();

  void Pause(bool paused) { engine_.SetPaused(paused); }
  bool Paused() const { return engine_.PublishedSettings().paused; }

 private:
  toolkit::Form& form_;
  remap::RemapEngine& engine_;
  bool sessionNotified_ = false;
};
