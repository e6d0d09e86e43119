// The least a program can do to show a window like the main window: one
// 600 x 548 popup, shown at once, and a message loop. The start-up benchmark
// launches it beside the real program as the baseline of the same run.
//
//   MinimalWindow.exe              a bare window
//   MinimalWindow.exe --libraries  first loads what the real program links
//                                  and initialises: OLE, shell32, comctl32
//   MinimalWindow.exe --controls   also makes the standard controls the main
//                                  window holds (five drop-down lists, three
//                                  scroll bars, a hidden check box) in the
//                                  themed common controls, as the program's
//                                  manifest asks: what they cost at least
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

// Made the plainest way, where the main window's controls are: no font, no
// items, no colours, so that the figure is a floor for the program's own.
void MakeControls(HINSTANCE instance, HWND window) {
  // Only this mode runs in the themed common controls, from a manifest that
  // the process does not take as its own at start-up.
  ACTCTXA context{};
  context.cbSize = sizeof context;
  context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.hModule = instance;
  context.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
  HANDLE themed = ::CreateActCtxA(&context);
  ULONG_PTR cookie = 0;
  if (themed != INVALID_HANDLE_VALUE) ::ActivateActCtx(themed, &cookie);
  const auto make = [&](const char* className, DWORD style, int left, int top, int width,
                        int height) {
    ::CreateWindowExA(0, className, "", WS_CHILD | style, left, top, width, height, window, nullptr,
                      instance, nullptr);
  };
  for (int row = 0; row < 5; ++row) {
    make("COMBOBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 160, 112 + 28 * row,
         105, 180);
  }
  make("SCROLLBAR", WS_VISIBLE | WS_TABSTOP | SBS_HORZ, 37, 388, 531, 14);
  make("SCROLLBAR", WS_VISIBLE | WS_TABSTOP | SBS_HORZ, 38, 454, 246, 14);
  make("SCROLLBAR", WS_VISIBLE | WS_TABSTOP | SBS_HORZ, 321, 455, 246, 14);
  make("BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 395, 370, 13, 13);
  if (themed != INVALID_HANDLE_VALUE) {
    ::DeactivateActCtx(0, cookie);
    ::ReleaseActCtx(themed);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  // Loaded at run time, so that the bare window imports none of them.
  const bool controls = std::strstr(commandLine, "--controls") != nullptr;
  const bool libraries = controls || std::strstr(commandLine, "--libraries") != nullptr;
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
  if (controls) MakeControls(instance, window);
  ::ShowWindow(window, SW_SHOW);
  ::UpdateWindow(window);
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return 0;
}
