// Every platform service of the real backend, each installed for the
// lifetime of this object: what WinMain, the Windows-side tests and the tools
// run over. A new service joins here, next to its installation, and every
// user has it.
#pragma once

#include "platform/Services.h"
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

  // Each service before its installation, which goes first and puts back
  // whatever was installed before.
  Win32Registry registry;
  platform::Install<platform::Registry> useRegistry{registry};
  Win32MouseParams mouse;
  platform::Install<platform::MouseParams> useMouse{mouse};
  Win32Screen screen;
  platform::Install<platform::Screen> useScreen{screen};
  Win32Timers timers;
  platform::Install<platform::Timers> useTimers{timers};
  Win32Windowing windowing;
  platform::Install<platform::Windowing> useWindowing{windowing};
  Win32Process process;
  platform::Install<platform::Process> useProcess{process};
  Win32Resources resources;
  platform::Install<platform::Resources> useResources{resources};
  Win32Shell shell;
  platform::Install<platform::Shell> useShell{shell};
  Win32Input input;
  platform::Install<platform::Input> useInput{input};
  Win32Foreground foreground;
  platform::Install<platform::Foreground> useForeground{foreground};
  Win32Gdi gdi;
  platform::Install<platform::Gdi> useGdi{gdi};
  Win32Pointer pointer;
  platform::Install<platform::Pointer> usePointer{pointer};
  Win32UserControls userControls;
  platform::Install<platform::UserControls> useUserControls{userControls};
  Win32Session session;
  platform::Install<platform::Session> useSession{session};
  // Last of the services: it waits for its threads before those they use go.
  Win32Threads threads;
  platform::Install<platform::Threads> useThreads{threads};
};

}  // namespace win32
