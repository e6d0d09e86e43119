// The notification-area icon: the one record that describes it, adding and
// removing it, and how its mouse notifications are read.
#pragma once

#include <string>

#include "platform/Shell.h"

namespace mod_Tray {

// All zero at start; filled by AddTrayIcon and kept, so that RemoveTrayIcon
// names the same icon.
extern win::NOTIFYICONDATAA TrayIconData;

// The record for an icon of this window: id 1, message, icon and tip; the tip
// is followed by one zero byte and then spaces to the record's 64 bytes (a
// tip longer than 63 characters is cut there).
win::NOTIFYICONDATAA MakeTrayIconData(win::HWND window, win::HICON icon, const std::string& tip,
                                      win::UINT callbackMessage);

void AddTrayIcon(win::HWND window, win::HICON icon, const std::string& tip,
                 win::UINT callbackMessage);
void RemoveTrayIcon();
// Gives the icon a new tip (NIM_MODIFY) and keeps it in the record, so that
// the icon shows it whenever it is added again.
void SetTrayTip(const std::string& tip);
// Adds the icon of the kept record again, for a shell whose notification
// area was re-created and has forgotten it.
void RestoreTrayIcon();

// What a notification asks for. The icon's notification message is the mouse-
// move message, so the window tells it from a real move by its own state: a
// window in the normal state is not in the tray.
enum class TrayAction { None, PopupMenu, ShowWindow };
TrayAction DecodeTrayNotification(bool windowIsNormal, int mouseMessage);

}  // namespace mod_Tray
