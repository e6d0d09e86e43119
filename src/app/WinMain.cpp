// The process entry: installs the Windows backend of every platform service,
// starts the main window and runs the message loop.
#include <exception>
#include <string>

#include "platform/Services.h"
#include "platform/win32/Win32Gdi.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32MouseParams.h"
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
#include "shell/frmMain.h"

#include <windows.h>

namespace {

int RunMessageLoop(HWND mainWindow) {
  MSG message{};
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    // Alt and a skinned button's access key clicks that button.
    if (win32::Win32UserControls::TranslateAccessKey(reinterpret_cast<win::HWND>(message.hwnd),
                                                     message.message, message.wParam)) {
      continue;
    }
    // The dialog manager gives the frameless window Tab navigation.
    if (::IsDialogMessageA(mainWindow, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  win32::Win32Registry registry;
  win32::Win32MouseParams mouseParams;
  win32::Win32Screen screen;
  win32::Win32Timers timers;
  win32::Win32Windowing windowing;
  win32::Win32Process process;
  win32::Win32Resources resources;
  win32::Win32Shell shell;
  win32::Win32Input input;
  win32::Win32Gdi gdi;
  win32::Win32Pointer pointer;
  win32::Win32UserControls userControls;
  win32::Win32Session session;
  // After the services its threads use, so it waits for them before those go.
  win32::Win32Threads threads;
  platform::Install<platform::Registry> useRegistry(registry);
  platform::Install<platform::MouseParams> useMouseParams(mouseParams);
  platform::Install<platform::Screen> useScreen(screen);
  platform::Install<platform::Timers> useTimers(timers);
  platform::Install<platform::Windowing> useWindowing(windowing);
  platform::Install<platform::Process> useProcess(process);
  platform::Install<platform::Resources> useResources(resources);
  platform::Install<platform::Shell> useShell(shell);
  platform::Install<platform::Input> useInput(input);
  platform::Install<platform::Gdi> useGdi(gdi);
  platform::Install<platform::Pointer> usePointer(pointer);
  platform::Install<platform::UserControls> useUserControls(userControls);
  platform::Install<platform::Session> useSession(session);
  platform::Install<platform::Threads> useThreads(threads);

  int result = 0;
  try {
    frmMain window;
    if (window.Start()) result = RunMessageLoop(reinterpret_cast<HWND>(window.form.hWnd()));
  } catch (const std::exception& error) {
    // Only a damaged program gets here (its own layout does not load).
    ::MessageBoxA(nullptr, error.what(), kAppTitle, MB_OK | MB_ICONERROR);
    result = 1;
  }
  return result;
}
