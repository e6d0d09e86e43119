// The process entry: installs the Windows backend of every platform service,
// starts the main window and runs the message loop.
#include <exception>
#include <string>

#include "platform/win32/Win32MessageLoop.h"
#include "platform/win32/Win32Platform.h"
#include "shell/frmMain.h"

#include <windows.h>

namespace {

// The window's messages until WM_QUIT; between them the thread waits for the
// next one and for the registry key the window watches.
int RunMessageLoop(HWND mainWindow, win32::Win32Registry& registry) {
  for (;;) {
    MSG message{};
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
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
    (void)win32::WaitForMessage(registry, INFINITE);  // a time-out cannot come
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  win32::Win32Platform platform;

  int result = 0;
  try {
    frmMain window;
    if (window.Start())
      result = RunMessageLoop(reinterpret_cast<HWND>(window.form.hWnd()), platform.registry);
  } catch (const std::exception& error) {
    // Only a damaged program gets here (its own layout does not load).
    ::MessageBoxA(nullptr, error.what(), kAppTitle, MB_OK | MB_ICONERROR);
    result = 1;
  }
  return result;
}
