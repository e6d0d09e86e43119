// A small Windows program the end-to-end tests use to look at the system the
// way another application would: mouse parameters, windows, message boxes.
//
//   probe params                 wheel=N dblclick=N swap=N speed=N accel=a,b,c
//   probe set-dblclick N         sets the double-click time
//   probe set-wheel N            sets the wheel scroll lines
//   probe swap 0|1               swaps the mouse buttons
//   probe set-speed N            sets the pointer speed (in both arguments, so
//                                that Windows and Wine take it)
//   probe windows TITLE          one line per top-level window of that title:
//                                class visible iconic left top width height [text]
//   probe answer TITLE ID        presses button ID (1 OK, 6 Yes, 7 No) of the
//                                message box of that title
//   probe post MSG WPARAM LPARAM posts a message to the program's main window
//   probe move X Y               moves the program's window so that its top-left
//                                corner is at (X, Y), as any other program may
//   probe foreground             the class and title of the window in front:
//                                class|title
//   probe workareas              one line per monitor: its work area,
//                                left top width height
//   probe menus                  one line per open popup menu:
//                                left top width height|item|item...
//   probe toplevel               every visible top-level window: class|title
//   probe cursor                 the pointer shown now: its handle, and its hot
//                                spot where it can be read
//   probe watch SECONDS [KIND]   shows a window of its own titled "KV probe" at
//                                (20, 20), 320 x 240, in front, and prints each
//                                key and mouse-button message it receives
//                                ("keydown a6", "xbuttondown 1", "mbuttonup")
//                                until the time is up; KIND "fullscreen" covers
//                                the whole screen instead, as a game does, and
//                                "confined" confines the pointer to the window
//                                (ClipCursor) while it is active
//   probe children               the class and text of each child window of the
//                                program's window, one "class|text" a line
//   probe controls TITLE         each visible control, at any depth, of the
//                                visible top-level window whose title begins
//                                with TITLE (an installer's pages, whose title
//                                changes a little from page to page):
//                                "class|text|id|checked|left top width height",
//                                checked 1 or 0 for a check box, - otherwise,
//                                the rectangle on the screen
//   probe accessible             what assistive technology gets from each child
//                                window of the program's window
//                                (AccessibleObjectFromWindow, OBJID_CLIENT):
//                                "class|name|role|state|default action", the
//                                role and state in hexadecimal
//   probe press NAME             does the default action of the child whose
//                                accessible object has that name
//   probe processes NAME         the number of running processes of that
//                                program file name
//   probe pids NAME              their process ids, one a line
//   probe shortcut FILE.lnk      the shortcut's target and arguments:
//                                target|arguments
//   probe run COMMANDLINE        starts the command line as the system starts
//                                a Run or an uninstall entry (CreateProcess,
//                                no shell), waits, and exits with its code
//   probe wait PID SECONDS       prints "waiting" once it holds the process,
//                                then its exit code when it ends, or
//                                "running" when the time is up
#include <windows.h>
// These build on windows.h.
#include <oleacc.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Params() {
  UINT wheel = 0;
  int speed = 0;
  int accel[3] = {0, 0, 0};
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &wheel, 0);
  SystemParametersInfoA(SPI_GETMOUSESPEED, 0, &speed, 0);
  SystemParametersInfoA(SPI_GETMOUSE, 0, accel, 0);
  std::printf("wheel=%d dblclick=%u swap=%d speed=%d accel=%d,%d,%d\n", static_cast<int>(wheel),
              GetDoubleClickTime(), GetSystemMetrics(SM_SWAPBUTTON), speed, accel[0], accel[1],
              accel[2]);
  return 0;
}

struct Search {
  const char* title;
  int found;
};

BOOL CALLBACK ListWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  char title[256] = "";
  GetWindowTextA(window, title, sizeof title);
  if (std::strcmp(title, search->title) != 0) return TRUE;
  char className[256] = "";
  GetClassNameA(window, className, sizeof className);
  RECT rect{};
  GetWindowRect(window, &rect);
  // A message box's text is its static control 0xFFFF.
  char text[512] = "";
  GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
  std::printf("%s %d %d %ld %ld %ld %ld %s\n", className, IsWindowVisible(window) ? 1 : 0,
              IsIconic(window) ? 1 : 0, rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top, text);
  ++search->found;
  return TRUE;
}

int Windows(const char* title) {
  Search search{title, 0};
  EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&search));
  return 0;
}

int Answer(const char* title, int id) {
  HWND box = FindWindowA("#32770", title);
  if (box == nullptr) {
    std::fprintf(stderr, "no message box titled %s\n", title);
    return 1;
  }
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
  return 0;
}

HWND MainWindow() { return FindWindowA("KV3050PSetupForm", nullptr); }

int Post(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = MainWindow();
  if (window == nullptr) {
    std::fprintf(stderr, "the program's window is not there\n");
    return 1;
  }
  return PostMessageA(window, message, wParam, lParam) ? 0 : 1;
}

int Move(int x, int y) {
  HWND window = MainWindow();
  if (window == nullptr) {
    std::fprintf(stderr, "the program's window is not there\n");
    return 1;
  }
  return SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) ? 0
                                                                                               : 1;
}

int Foreground() {
  HWND window = GetForegroundWindow();
  char className[128] = "";
  char text[256] = "";
  if (window != nullptr) {
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, text, sizeof text);
  }
  std::printf("%s|%s\n", className, text);
  return 0;
}

BOOL CALLBACK ListWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info)) {
    const RECT& work = info.rcWork;
    std::printf("%ld %ld %ld %ld\n", work.left, work.top, work.right - work.left,
                work.bottom - work.top);
  }
  return TRUE;
}

BOOL CALLBACK ListMenu(HWND window, LPARAM) {
  char className[64] = "";
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32768") != 0 || !IsWindowVisible(window)) return TRUE;
  RECT rect{};
  GetWindowRect(window, &rect);
  std::printf("%ld %ld %ld %ld", rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top);
  HMENU menu = reinterpret_cast<HMENU>(SendMessageA(window, 0x01E1 /* MN_GETHMENU */, 0, 0));
  for (int i = 0; menu != nullptr && i < GetMenuItemCount(menu); ++i) {
    char text[128] = "";
    GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
    std::printf("|%s", text);
  }
  std::printf("\n");
  return TRUE;
}

// One "class|text" line a window; visibleOnly (the context) skips hidden ones.
BOOL CALLBACK ListClassAndText(HWND window, LPARAM visibleOnly) {
  if (visibleOnly != 0 && !IsWindowVisible(window)) return TRUE;
  char className[128] = "";
  char text[256] = "";
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, text, sizeof text);
  std::printf("%s|%s\n", className, text);
  return TRUE;
}

int Children() {
  HWND window = MainWindow();
  if (window == nullptr) return 1;
  EnumChildWindows(window, ListClassAndText, 0);
  return 0;
}

BOOL CALLBACK ListControl(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  char className[128] = "";
  char text[512] = "";
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, text, sizeof text);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const LONG kind = style & BS_TYPEMASK;
  const bool checkBox =
      _stricmp(className, "Button") == 0 && (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX);
  char checked[4] = "-";
  if (checkBox) {
    std::snprintf(checked, sizeof checked, "%d",
                  SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
  }
  RECT rect{};
  GetWindowRect(window, &rect);
  std::printf("%s|%s|%d|%s|%ld %ld %ld %ld\n", className, text, GetDlgCtrlID(window), checked,
              rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  return TRUE;
}

struct TitleSearch {
  const char* prefix;
  HWND found;
};

BOOL CALLBACK FindByTitlePrefix(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<TitleSearch*>(context);
  char title[256] = "";
  GetWindowTextA(window, title, sizeof title);
  if (!IsWindowVisible(window) ||
      std::strncmp(title, search->prefix, std::strlen(search->prefix)) != 0) {
    return TRUE;
  }
  search->found = window;
  return FALSE;
}

int Controls(const char* titlePrefix) {
  TitleSearch search{titlePrefix, nullptr};
  EnumWindows(FindByTitlePrefix, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return 1;
  EnumChildWindows(search.found, ListControl, 0);
  return 0;
}

std::string Narrow(BSTR text) {
  if (text == nullptr) return "";
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
  if (length > 1)
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), length, nullptr, nullptr);
  SysFreeString(text);
  return result;
}

// The child whose accessible name is pressName gets its default action done;
// without one, every child is listed.
struct AccessibleWalk {
  const char* pressName = nullptr;
  int pressed = 0;
};

BOOL CALLBACK VisitAccessible(HWND window, LPARAM context) {
  auto* walk = reinterpret_cast<AccessibleWalk*>(context);
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object)))) {
    return TRUE;
  }
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  object->get_accName(self, &name);
  const std::string nameText = Narrow(name);
  if (walk->pressName != nullptr) {
    if (nameText == walk->pressName && SUCCEEDED(object->accDoDefaultAction(self))) {
      ++walk->pressed;
    }
    object->Release();
    return TRUE;
  }
  VARIANT role, state;
  VariantInit(&role);
  VariantInit(&state);
  object->get_accRole(self, &role);
  object->get_accState(self, &state);
  BSTR action = nullptr;
  object->get_accDefaultAction(self, &action);
  char className[128] = "";
  GetClassNameA(window, className, sizeof className);
  std::printf("%s|%s|%lx|%lx|%s\n", className, nameText.c_str(),
              role.vt == VT_I4 ? static_cast<unsigned long>(role.lVal) : 0UL,
              state.vt == VT_I4 ? static_cast<unsigned long>(state.lVal) : 0UL,
              Narrow(action).c_str());
  VariantClear(&role);
  VariantClear(&state);
  object->Release();
  return TRUE;
}

int Accessible(const char* pressName) {
  HWND window = MainWindow();
  if (window == nullptr) return 1;
  CoInitialize(nullptr);
  AccessibleWalk walk;
  walk.pressName = pressName;
  EnumChildWindows(window, VisitAccessible, reinterpret_cast<LPARAM>(&walk));
  CoUninitialize();
  return pressName == nullptr || walk.pressed == 1 ? 0 : 1;
}

int Cursor() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  if (!GetCursorInfo(&info) || info.hCursor == nullptr) {
    std::printf("no cursor (%lu)\n", GetLastError());
    return 1;
  }
  // Under Wine another process can neither read a program's cursor nor share
  // its handles for the system's arrow: compare handles seen over two places.
  std::printf("handle=%p", static_cast<void*>(info.hCursor));
  ICONINFO icon{};
  if (GetIconInfo(info.hCursor, &icon)) {
    std::printf(" hotspot=%lu,%lu", icon.xHotspot, icon.yHotspot);
    if (icon.hbmMask != nullptr) DeleteObject(icon.hbmMask);
    if (icon.hbmColor != nullptr) DeleteObject(icon.hbmColor);
  }
  std::printf("\n");
  return 0;
}

const char* ButtonMessageName(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
      return "lbuttondown";
    case WM_LBUTTONUP:
      return "lbuttonup";
    case WM_LBUTTONDBLCLK:
      return "lbuttondblclk";
    case WM_RBUTTONDOWN:
      return "rbuttondown";
    case WM_RBUTTONUP:
      return "rbuttonup";
    case WM_RBUTTONDBLCLK:
      return "rbuttondblclk";
    case WM_MBUTTONDOWN:
      return "mbuttondown";
    case WM_MBUTTONUP:
      return "mbuttonup";
    case WM_MBUTTONDBLCLK:
      return "mbuttondblclk";
    case WM_XBUTTONDOWN:
      return "xbuttondown";
    case WM_XBUTTONUP:
      return "xbuttonup";
    case WM_XBUTTONDBLCLK:
      return "xbuttondblclk";
    case WM_NCXBUTTONDOWN:
      return "ncxbuttondown";
    case WM_NCXBUTTONUP:
      return "ncxbuttonup";
    case WM_NCMBUTTONDOWN:
      return "ncmbuttondown";
    case WM_NCMBUTTONUP:
      return "ncmbuttonup";
    default:
      return nullptr;
  }
}

bool watchConfines = false;

// Confines the pointer to the window, as a game in a window does while active.
void ConfineTo(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  ClipCursor(&rect);
}

LRESULT CALLBACK WatchProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      if (watchConfines) {
        if (LOWORD(wParam) != WA_INACTIVE) {
          ConfineTo(window);
        } else {
          ClipCursor(nullptr);
        }
      }
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      std::printf("keydown %02x\n", static_cast<unsigned>(wParam));
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      std::printf("keyup %02x\n", static_cast<unsigned>(wParam));
      break;
    default:
      if (const char* name = ButtonMessageName(message)) {
        if (message == WM_XBUTTONDOWN || message == WM_XBUTTONUP || message == WM_XBUTTONDBLCLK) {
          std::printf("%s %u\n", name, static_cast<unsigned>(HIWORD(wParam)));
        } else {
          std::printf("%s\n", name);
        }
        // Side-button messages are handled here, as the documentation asks.
        if (message == WM_XBUTTONDOWN || message == WM_XBUTTONUP) return TRUE;
      }
      break;
  }
  std::fflush(stdout);
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

int Watch(int seconds, const std::string& kind) {
  watchConfines = kind == "confined";
  const bool fullScreen = kind == "fullscreen";
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WatchProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "KVProbe";
  RegisterClassA(&windowClass);
  HWND window =
      fullScreen
          ? CreateWindowExA(WS_EX_TOPMOST, "KVProbe", "KV probe", WS_POPUP, 0, 0,
                            GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr)
          : CreateWindowExA(WS_EX_TOPMOST, "KVProbe", "KV probe", WS_POPUP | WS_BORDER, 20, 20, 320,
                            240, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  SetFocus(window);
  if (watchConfines) ConfineTo(window);
  SetTimer(window, 1, static_cast<UINT>(seconds) * 1000, nullptr);
  std::printf("ready\n");
  std::fflush(stdout);
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == window) break;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (watchConfines) ClipCursor(nullptr);
  DestroyWindow(window);
  return 0;
}

int Processes(const char* name, bool listIds) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 1;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (lstrcmpiA(entry.szExeFile, name) != 0) continue;
    ++count;
    if (listIds) std::printf("%lu\n", entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  if (!listIds) std::printf("%d\n", count);
  return 0;
}

int Shortcut(const char* file) {
  if (FAILED(CoInitialize(nullptr))) return 1;
  int result = 1;
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
      wchar_t wide[MAX_PATH] = L"";
      MultiByteToWideChar(CP_ACP, 0, file, -1, wide, MAX_PATH);
      char target[MAX_PATH] = "";
      char arguments[1024] = "";
      if (SUCCEEDED(persist->Load(wide, STGM_READ)) &&
          SUCCEEDED(link->GetPath(target, sizeof target, nullptr, 0)) &&
          SUCCEEDED(link->GetArguments(arguments, sizeof arguments))) {
        std::printf("%s|%s\n", target, arguments);
        result = 0;
      }
      persist->Release();
    }
    link->Release();
  }
  CoUninitialize();
  if (result != 0) std::fprintf(stderr, "cannot read the shortcut %s\n", file);
  return result;
}

int Run(const char* commandLine) {
  std::string writable = commandLine;  // CreateProcessA may write to it
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "cannot start %s (%lu)\n", commandLine, GetLastError());
    return 255;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 255;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

int WaitFor(DWORD id, int seconds) {
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
  if (process == nullptr) {
    std::fprintf(stderr, "no process %lu\n", id);
    return 1;
  }
  std::printf("waiting\n");
  std::fflush(stdout);
  DWORD code = 0;
  if (WaitForSingleObject(process, static_cast<DWORD>(seconds) * 1000) == WAIT_OBJECT_0 &&
      GetExitCodeProcess(process, &code)) {
    std::printf("%lu\n", code);
  } else {
    std::printf("running\n");
  }
  std::fflush(stdout);
  CloseHandle(process);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "params") return Params();
  if (command == "set-dblclick" && argc > 2) return SetDoubleClickTime(std::atoi(argv[2])) ? 0 : 1;
  if (command == "set-wheel" && argc > 2) {
    return SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, std::atoi(argv[2]), nullptr, 0) ? 0 : 1;
  }
  if (command == "set-speed" && argc > 2) {
    const int speed = std::atoi(argv[2]);
    return SystemParametersInfoA(SPI_SETMOUSESPEED, speed,
                                 reinterpret_cast<void*>(static_cast<INT_PTR>(speed)), 0)
               ? 0
               : 1;
  }
  if (command == "swap" && argc > 2) {
    SwapMouseButton(std::atoi(argv[2]));
    return 0;
  }
  if (command == "windows" && argc > 2) return Windows(argv[2]);
  if (command == "answer" && argc > 3) return Answer(argv[2], std::atoi(argv[3]));
  if (command == "post" && argc > 4) {
    return Post(static_cast<UINT>(std::strtoul(argv[2], nullptr, 0)),
                static_cast<WPARAM>(std::strtoull(argv[3], nullptr, 0)),
                static_cast<LPARAM>(std::strtoll(argv[4], nullptr, 0)));
  }
  if (command == "move" && argc > 3) return Move(std::atoi(argv[2]), std::atoi(argv[3]));
  if (command == "foreground") return Foreground();
  if (command == "workareas") return EnumDisplayMonitors(nullptr, nullptr, ListWorkArea, 0) ? 0 : 1;
  if (command == "menus") return EnumWindows(ListMenu, 0) ? 0 : 1;
  if (command == "toplevel") return EnumWindows(ListClassAndText, 1) ? 0 : 1;
  if (command == "children") return Children();
  if (command == "controls" && argc > 2) return Controls(argv[2]);
  if (command == "accessible") return Accessible(nullptr);
  if (command == "press" && argc > 2) return Accessible(argv[2]);
  if (command == "cursor") return Cursor();
  if (command == "watch" && argc > 2) return Watch(std::atoi(argv[2]), argc > 3 ? argv[3] : "");
  if (command == "processes" && argc > 2) return Processes(argv[2], false);
  if (command == "pids" && argc > 2) return Processes(argv[2], true);
  if (command == "shortcut" && argc > 2) return Shortcut(argv[2]);
  if (command == "run" && argc > 2) return Run(argv[2]);
  if (command == "wait" && argc > 3) {
    return WaitFor(static_cast<DWORD>(std::strtoul(argv[2], nullptr, 0)), std::atoi(argv[3]));
  }
  std::fprintf(stderr,
               "usage: probe params|set-dblclick N|set-wheel N|set-speed N|swap 0|1|"
               "windows TITLE|answer TITLE ID|post MSG W L|move X Y|foreground|workareas|menus|"
               "toplevel|children|controls TITLE|cursor|"
               "watch SECONDS [KIND]|processes NAME|pids NAME|shortcut FILE|run COMMANDLINE|"
               "wait PID SECONDS\n");
  return 2;
}
