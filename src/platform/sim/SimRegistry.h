// An in-memory registry with the behaviour of advapi32's ANSI functions:
// case-insensitive names, sub-keys enumerated in case-insensitive order and
// values in the order they were created, handles with access rights, Win32
// error codes, and a count of open handles so tests can prove none leaks.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace sim {

class SimRegistry final : public platform::Registry {
 public:
  SimRegistry();
  ~SimRegistry() override;
  SimRegistry(const SimRegistry&) = delete;
  SimRegistry& operator=(const SimRegistry&) = delete;

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

  // How a change notification reaches its window: a posted message.
  std::function<void(win::HWND, win::UINT)> postMessage;
  // Notifications asked for and not yet delivered.
  int PendingNotifications() const { return static_cast<int>(watches_.size()); }

  // Handles returned by the open and create functions and not yet closed.
  int OpenKeyCount() const { return static_cast<int>(handles_.size()); }

  // A query whose buffer is too short fills it with what fits of the data,
  // as Windows may (its contents are undefined then), instead of keeping it.
  bool scribbleOnMoreData = false;

 private:
  struct Value {
    std::string name;
    win::DWORD type = win::REG_NONE;
    std::vector<win::BYTE> data;
  };
  struct Key {
    std::string name;
    Key* parent = nullptr;
    bool deleted = false;
    std::vector<Value> values;                  // creation order
    std::vector<std::shared_ptr<Key>> subkeys;  // case-insensitive name order
  };
  struct Opened {
    std::shared_ptr<Key> key;
    win::REGSAM access = 0;
  };

  win::LSTATUS Resolve(win::HKEY handle, Opened* opened) const;
  win::LSTATUS Open(win::HKEY key, const char* subKey, win::REGSAM access, bool create,
                    win::HKEY* result, win::DWORD* disposition);
  win::HKEY NewHandle(std::shared_ptr<Key> key, win::REGSAM access);
  static Value* FindValue(Key& key, const char* name);
  // A value of the key was set or deleted: each one-shot watch on it fires.
  void ValuesChanged(const Key& key);

  struct Watch {
    std::shared_ptr<Key> key;
    win::DWORD filter = 0;
    win::HWND window = 0;
    win::UINT message = 0;
  };

  std::map<win::HKEY, std::shared_ptr<Key>> roots_;
  std::map<win::HKEY, Opened> handles_;
  std::map<win::HKEY, Watch> watches_;  // by the handle that asked
  win::HKEY nextHandle_ = 0x1000;
};

}  // namespace sim
