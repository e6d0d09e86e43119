// The registry seam over advapi32.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <vector>

#include "platform/Registry.h"

namespace win32 {

class Win32Registry final : public platform::Registry {
 public:
  win::LSTATUS RegOpenKeyA(win::HKEY key, const char* subKey, win::HKEY* result) override;
  win::LSTATUS RegOpenKeyExA(win::HKEY key, const char* subKey, win::DWORD options,
                             win::REGSAM access, win::HKEY* result) override;
  win::LSTATUS RegCreateKeyA(win::HKEY key, const char* subKey, win::HKEY* result) override;
  win::LSTATUS RegCreateKeyExA(win::HKEY key, const char* subKey, win::DWORD reserved,
                               const char* keyClass, win::DWORD options, win::REGSAM access,
                               const win::SECURITY_ATTRIBUTES* security, win::HKEY* result,
                               win::DWORD* disposition) override;
  win::LSTATUS RegCloseKey(win::HKEY key) override;
  win::LSTATUS RegDeleteKeyA(win::HKEY key, const char* subKey) override;
  win::LSTATUS RegDeleteValueA(win::HKEY key, const char* valueName) override;
  win::LSTATUS RegSetValueExA(win::HKEY key, const char* valueName, win::DWORD reserved,
                              win::DWORD type, const win::BYTE* data, win::DWORD size) override;
  win::LSTATUS RegQueryValueExA(win::HKEY key, const char* valueName, win::DWORD* type,
                                win::BYTE* data, win::DWORD* size) override;
  win::LSTATUS RegEnumKeyExA(win::HKEY key, win::DWORD index, char* name,
                             win::DWORD* nameLength) override;
  win::LSTATUS RegEnumValueA(win::HKEY key, win::DWORD index, char* name, win::DWORD* nameLength,
                             win::DWORD* type, win::BYTE* data, win::DWORD* dataSize) override;
  win::LSTATUS RegNotifyChangeKeyValue(win::HKEY key, win::DWORD filter, win::HWND window,
                                       win::UINT message) override;

  Win32Registry();
  ~Win32Registry() override;
  Win32Registry(const Win32Registry&) = delete;
  Win32Registry& operator=(const Win32Registry&) = delete;

  // The events of the keys being watched. The thread that asked waits on
  // them beside its message queue (win32::WaitForMessage), so a watch costs
  // no thread of its own.
  [[nodiscard]] const std::vector<void*>& WatchEvents() const { return events_; }
  // The event at this index of WatchEvents() was set: its window gets its message.
  void Signalled(std::size_t index);

 private:
  // Only the thread that asks and closes touches these, so they need no lock.
  struct Watch;
  std::map<win::HKEY, std::unique_ptr<Watch>> watches_;
  std::vector<void*> events_;  // WatchEvents(), in the order of watches_
  void Collect();
};

}  // namespace win32
