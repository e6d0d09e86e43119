#include "platform/sim/SimShell.h"

#include <cstring>

namespace sim {
namespace {

std::optional<std::string> Text(const char* text) {
  return text == nullptr ? std::nullopt : std::optional<std::string>(text);
}

}  // namespace

win::BOOL SimShell::Shell_NotifyIconA(win::DWORD message, const win::NOTIFYICONDATAA* data) {
  win::BOOL result = win::FALSE;
  if (data != nullptr && data->cbSize >= win::NOTIFYICONDATAA_V1_SIZE) {
    const auto key = std::make_pair(data->hWnd, data->uID);
    const bool present = icons.count(key) != 0;
    if (message == win::NIM_ADD && !present && !refuseIcons) {
      icons[key] = std::string(data->szTip, strnlen(data->szTip, sizeof data->szTip));
      result = win::TRUE;
    } else if (message == win::NIM_MODIFY && present) {
      // Only the members uFlags names change; the tip is all the sim keeps.
      if ((data->uFlags & win::NIF_TIP) != 0) {
        icons[key] = std::string(data->szTip, strnlen(data->szTip, sizeof data->szTip));
      }
      result = win::TRUE;
    } else if (message == win::NIM_DELETE && present) {
      icons.erase(key);
      result = win::TRUE;
    }
  }
  notifyCalls.push_back({message, data != nullptr ? *data : win::NOTIFYICONDATAA{}, result});
  return result;
}

win::HINSTANCE SimShell::ShellExecuteA(win::HWND owner, const char* operation, const char* file,
                                       const char* parameters, const char* directory,
                                       int showCommand) {
  const SimLaunch launch{owner,           Text(operation), Text(file), Text(parameters),
                         Text(directory), showCommand};
  {
    // Two starts may be in the shell's hands at once.
    const std::lock_guard lock(launching_);
    launches.push_back(launch);
  }
  if (duringLaunch) duringLaunch(launch);
  return 42;  // any value above 32 is success
}

}  // namespace sim
