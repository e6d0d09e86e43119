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
//   probe menus                  one line per open popup menu:
//                                left top width height|item|item...
//   probe toplevel               every visible top-level window: class|title
//   probe cursor                 the pointer shown now: its handle, and its hot
//                                spot where it can be read
#include <windows.h>

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

BOOL CALLBACK ListTopLevel(HWND window, LPARAM) {
  if (!IsWindowVisible(window)) return TRUE;
  char className[128] = "";
  char title[256] = "";
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, title, sizeof title);
  std::printf("%s|%s\n", className, title);
  return TRUE;
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
  if (command == "menus") return EnumWindows(ListMenu, 0) ? 0 : 1;
  if (command == "toplevel") return EnumWindows(ListTopLevel, 0) ? 0 : 1;
  if (command == "cursor") return Cursor();
  std::fprintf(stderr,
               "usage: probe params|set-dblclick N|set-wheel N|swap 0|1|windows TITLE|"
               "answer TITLE ID\n");
  return 2;
}
