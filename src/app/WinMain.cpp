// The process entry: installs the Windows backend of every platform service.
#include "platform/Services.h"
#include "platform/win32/Win32MouseParams.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Timers.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  win32::Win32Registry registry;
  win32::Win32MouseParams mouseParams;
  win32::Win32Screen screen;
  win32::Win32Timers timers;
  platform::Install<platform::Registry> useRegistry(registry);
  platform::Install<platform::MouseParams> useMouseParams(mouseParams);
  platform::Install<platform::Screen> useScreen(screen);
  platform::Install<platform::Timers> useTimers(timers);
  return 0;
}
