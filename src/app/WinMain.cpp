// The process entry: installs the Windows backend of every platform service.
#include "platform/Services.h"
#include "platform/win32/Win32Gdi.h"
#include "platform/win32/Win32MouseParams.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Timers.h"
#include "platform/win32/Win32UserControls.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  win32::Win32Registry registry;
  win32::Win32MouseParams mouseParams;
  win32::Win32Screen screen;
  win32::Win32Timers timers;
  win32::Win32Gdi gdi;
  win32::Win32Pointer pointer;
  win32::Win32UserControls userControls;
  platform::Install<platform::Registry> useRegistry(registry);
  platform::Install<platform::MouseParams> useMouseParams(mouseParams);
  platform::Install<platform::Screen> useScreen(screen);
  platform::Install<platform::Timers> useTimers(timers);
  platform::Install<platform::Gdi> useGdi(gdi);
  platform::Install<platform::Pointer> usePointer(pointer);
  platform::Install<platform::UserControls> useUserControls(userControls);
  return 0;
}
