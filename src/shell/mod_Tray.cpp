#include "shell/mod_Tray.h"

#include <algorithm>
#include <cstring>

#include "platform/DebugLog.h"
#include "platform/Services.h"
#include "platform/Windowing.h"

namespace mod_Tray {

win::NOTIFYICONDATAA TrayIconData{};

win::NOTIFYICONDATAA MakeTrayIconData(win::HWND window, win::HICON icon, const std::string& tip,
                                      win::UINT callbackMessage) {
  win::NOTIFYICONDATAA data{};
  data.cbSize = win::NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = window;
  data.uID = 1;
  data.uFlags = win::NIF_MESSAGE | win::NIF_ICON | win::NIF_TIP;
  data.uCallbackMessage = callbackMessage;
  data.hIcon = icon;
  std::memset(data.szTip, ' ', sizeof data.szTip);
  const std::size_t length = std::min(tip.size(), sizeof data.szTip - 1);
  std::memcpy(data.szTip, tip.data(), length);
  data.szTip[length] = '\0';
  return data;
}

void AddTrayIcon(win::HWND window, win::HICON icon, const std::string& tip,
                 win::UINT callbackMessage) {
  TrayIconData = MakeTrayIconData(window, icon, tip, callbackMessage);
  RestoreTrayIcon();
}

void RemoveTrayIcon() {
  // Removing an icon that is not there (the window was shown all along) is
  // no failure.
  (void)platform::Use<platform::Shell>().Shell_NotifyIconA(win::NIM_DELETE, &TrayIconData);
}

void SetTrayTip(const std::string& tip) {
  const win::NOTIFYICONDATAA tipped =
      MakeTrayIconData(TrayIconData.hWnd, TrayIconData.hIcon, tip, TrayIconData.uCallbackMessage);
  std::memcpy(TrayIconData.szTip, tipped.szTip, sizeof TrayIconData.szTip);
  // Nothing to modify before the first add: that add brings the tip along.
  if (TrayIconData.hWnd == 0) return;
  win::NOTIFYICONDATAA change = TrayIconData;
  change.uFlags = win::NIF_TIP;
  // Fails harmlessly while no icon is shown.
  (void)platform::Use<platform::Shell>().Shell_NotifyIconA(win::NIM_MODIFY, &change);
}

void RestoreTrayIcon() {
  // The window is hidden by now: without its icon the program cannot be reached.
  if (platform::Use<platform::Shell>().Shell_NotifyIconA(win::NIM_ADD, &TrayIconData) ==
      win::FALSE) {
    platform::DebugLine("the notification icon could not be added");
  }
}

TrayAction DecodeTrayNotification(bool windowIsNormal, int mouseMessage) {
  if (windowIsNormal) return TrayAction::None;
  switch (mouseMessage) {
    case static_cast<int>(win::WM_RBUTTONUP):
      return TrayAction::PopupMenu;
    case static_cast<int>(win::WM_LBUTTONDOWN):
      return TrayAction::ShowWindow;
    default:
      return TrayAction::None;
  }
}

}  // namespace mod_Tray
