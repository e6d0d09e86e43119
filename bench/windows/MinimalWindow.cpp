// The least a program can do to show a window like the main window: one
// 600 x 548 popup, shown at once, and a message loop. The start-up benchmark
// launches it beside the real program as the baseline of the same run.
//
//   MinimalWindow.exe              a bare window
//   MinimalWindow.exe --libraries  first loads what the real program links
//                                  and initialises: OLE, shell32, comctl32
#include <cstring>

#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    ::PostQuitMessage(0);
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  // Loaded at run time, so that the bare window imports none of them.
  const bool libraries = std::strstr(commandLine, "--libraries") != nullptr;
  if (libraries) {
    using Initialize = HRESULT(WINAPI*)(void*);
    using InitCommonControls = void(WINAPI*)();
    if (auto initialize = reinterpret_cast<Initialize>(reinterpret_cast<void*>(
            ::GetProcAddress(::LoadLibraryA("ole32.dll"), "OleInitialize")))) {
      initialize(nullptr);
    }
    if (auto init = reinterpret_cast<InitCommonControls>(reinterpret_cast<void*>(
            ::GetProcAddress(::LoadLibraryA("comctl32.dll"), "InitCommonControls")))) {
      init();
    }
    ::LoadLibraryA("shell32.dll");
  }
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "KVMinimalWindow";
  ::RegisterClassExA(&windowClass);
  const int left = (::GetSystemMetrics(SM_CXSCREEN) - 600) / 2;
  const int top = (::GetSystemMetrics(SM_CYSCREEN) - 548) / 2;
  HWND window = ::CreateWindowExA(WS_EX_APPWINDOW, "KVMinimalWindow", "KV minimal window",
                                  WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, left, top, 600, 548,
                                  nullptr, nullptr, instance, nullptr);
  ::ShowWindow(window, SW_SHOW);
  ::UpdateWindow(window);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return 0;
}
