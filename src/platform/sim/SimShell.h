// The shell in memory: a notification area that keeps icons by window and
// id (adding twice and removing what is not there fail, as they do in
// Windows), and a record of every launch.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Shell.h"

namespace sim {

struct SimNotifyCall {
  win::DWORD message;
  win::NOTIFYICONDATAA data;  // the record as it was passed
  win::BOOL result;
};

struct SimLaunch {
  win::HWND owner;
  std::optional<std::string> operation;  // nothing for a null pointer
  std::optional<std::string> file;
  std::optional<std::string> parameters;
  std::optional<std::string> directory;
  int showCommand;
  bool operator==(const SimLaunch&) const = default;
};

class SimShell final : public platform::Shell {
 public:
  win::BOOL Shell_NotifyIconA(win::DWORD message, const win::NOTIFYICONDATAA* data) override;
  win::HINSTANCE ShellExecuteA(win::HWND owner, const char* operation, const char* file,
                               const char* parameters, const char* directory,
                               int showCommand) override;

  // Additions fail while this is set, as while the shell is not running or
  // does not answer in time.
  bool refuseIcons = false;
  // Icons present now, by (window, id), with their tips.
  std::map<std::pair<win::HWND, win::UINT>, std::string> icons;
  std::vector<SimNotifyCall> notifyCalls;
  // Launches come from worker threads: read them once those have ended
  // (SimThreads::Join), or while a launch is held in duringLaunch.
  std::vector<SimLaunch> launches;
  // Runs inside each launch, on the caller's thread, before it returns (a
  // slow program start, say).
  std::function<void(const SimLaunch&)> duringLaunch;

 private:
  std::mutex launching_;
};

}  // namespace sim
