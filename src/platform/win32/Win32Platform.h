// Every platform service of the real backend, each installed for the
// lifetime of this object: what WinMain, the Windows-side tests and the tools
// run over. A new service joins the seam's list and here, and every user has
// it.
#pragma once

#include "platform/ServiceList.h"
#include "platform/win32/Win32DebugLog.h"
#include "platform/win32/Win32Foreground.h"
#include "platform/win32/Win32Gdi.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32MouseParams.h"
#include "platform/win32/Win32Pointer.h"
#include "platform/win32/Win32Process.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Resources.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Session.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Threads.h"
#include "platform/win32/Win32Timers.h"
#include "platform/win32/Win32UserControls.h"
#include "platform/win32/Win32Windowing.h"

namespace win32 {

struct Win32Platform {
  Win32Platform() = default;
  Win32Platform(const Win32Platform&) = delete;
  Win32Platform& operator=(const Win32Platform&) = delete;

  // The backends, each installed below and the previous one put back when
  // this goes.
  Win32Registry registry;
  Win32MouseParams mouse;
  Win32Screen screen;
  Win32Timers timers;
  Win32Windowing windowing;
  Win32Process process;
  Win32Resources resources;
  Win32Shell shell;
  Win32Input input;
  Win32Foreground foreground;
  Win32Gdi gdi;
  Win32Pointer pointer;
  Win32UserControls userControls;
  Win32Session session;
  Win32DebugLog debugLog;

  platform::InstallServices<platform::AllServices> use{
      registry, mouse,      screen, timers,  windowing,    process, resources, shell,
      input,    foreground, gdi,    pointer, userControls, session, debugLog,  threads};
  // Declared after the installation, so that it goes first: it waits for its
  // threads while every service they use is still installed.
  Win32Threads threads;
};

}  // namespace win32
