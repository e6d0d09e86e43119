// The process entry: installs the Windows backend of every platform service,
// starts the main window and runs the message loop.
#include <exception>
#include <string>

#include "platform/win32/Win32Platform.h"
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
  win32::Win32Platform platform;

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
