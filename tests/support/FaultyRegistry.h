#pragma once

#include <limits>
#include <string>

#include "platform/Registry.h"
#include "platform/Text.h"

namespace testing_support {

// A registry (the sim, say) with faults on demand: after a number of opens
// every further open fails as when another program deletes the key while it
// is being read; one key refuses to open, as a key whose security denies the
// caller does; enumerations fail from an index on, as when the key's handle
// goes bad; and value writes fail.
class FaultyRegistry final : public platform::Registry {
 public:
  explicit FaultyRegistry(platform::Registry& real) : real_(real) {}

  int opensLeft = std::numeric_limits<int>::max();
  std::string deniedSubKey;  // refused with ERROR_ACCESS_DENIED
  win::DWORD valuesFailFrom = std::numeric_limits<win::DWORD>::max();
  win::DWORD keysFailFrom = std::numeric_limits<win::DWORD>::max();
  win::LSTATUS enumFailure = win::ERROR_INVALID_HANDLE;
  // Every value write fails with this, as on a key the caller may only read.
  win::LSTATUS setValueFailure = win::ERROR_SUCCESS;

  win::LSTATUS RegOpenKeyA(win::HKEY key, const char* subKey, win::HKEY* result) override {
    if (const win::LSTATUS refused = Refused(subKey)) return refused;
    return real_.RegOpenKeyA(key, subKey, result);
  }
  win::LSTATUS RegOpenKeyExA(win::HKEY key, const char* subKey, win::DWORD options,
                             win::REGSAM access, win::HKEY* result) override {
    if (const win::LSTATUS refused = Refused(subKey)) return refused;
    return real_.RegOpenKeyExA(key, subKey, options, access, result);
  }
  win::LSTATUS RegCreateKeyA(win::HKEY key, const char* subKey, win::HKEY* result) override {
    return real_.RegCreateKeyA(key, subKey, result);
  }
  win::LSTATUS RegCreateKeyExA(win::HKEY key, const char* subKey, win::DWORD reserved,
                               const char* keyClass, win::DWORD options, win::REGSAM access,
                               const win::SECURITY_ATTRIBUTES* security, win::HKEY* result,
                               win::DWORD* disposition) override {
    return real_.RegCreateKeyExA(key, subKey, reserved, keyClass, options, access, security, result,
                                 disposition);
  }
  win::LSTATUS RegCloseKey(win::HKEY key) override { return real_.RegCloseKey(key); }
  win::LSTATUS RegDeleteKeyA(win::HKEY key, const char* subKey) override {
    return real_.RegDeleteKeyA(key, subKey);
  }
  win::LSTATUS RegDeleteValueA(win::HKEY key, const char* valueName) override {
    return real_.RegDeleteValueA(key, valueName);
  }
  win::LSTATUS RegSetValueExA(win::HKEY key, const char* valueName, win::DWORD reserved,
                              win::DWORD type, const win::BYTE* data, win::DWORD size) override {
    if (setValueFailure != win::ERROR_SUCCESS) return setValueFailure;
    return real_.RegSetValueExA(key, valueName, reserved, type, data, size);
  }
  win::LSTATUS RegQueryValueExA(win::HKEY key, const char* valueName, win::DWORD* type,
                                win::BYTE* data, win::DWORD* size) override {
    return real_.RegQueryValueExA(key, valueName, type, data, size);
  }
  win::LSTATUS RegEnumKeyExA(win::HKEY key, win::DWORD index, char* name,
                             win::DWORD* nameLength) override {
    if (index >= keysFailFrom) return enumFailure;
    return real_.RegEnumKeyExA(key, index, name, nameLength);
  }
  win::LSTATUS RegEnumValueA(win::HKEY key, win::DWORD index, char* name, win::DWORD* nameLength,
                             win::DWORD* type, win::BYTE* data, win::DWORD* dataSize) override {
    if (index >= valuesFailFrom) return enumFailure;
    return real_.RegEnumValueA(key, index, name, nameLength, type, data, dataSize);
  }
  win::LSTATUS RegNotifyChangeKeyValue(win::HKEY key, win::DWORD filter, win::HWND window,
                                       win::UINT message) override {
    return real_.RegNotifyChangeKeyValue(key, filter, window, message);
  }

 private:
  win::LSTATUS Refused(const char* subKey) {
    if (opensLeft-- <= 0) return win::ERROR_FILE_NOT_FOUND;
    if (!deniedSubKey.empty() && platform::EqualsIgnoringCase(subKey, deniedSubKey)) {
      return win::ERROR_ACCESS_DENIED;
    }
    return win::ERROR_SUCCESS;
  }

  platform::Registry& real_;
};

}  // namespace testing_support
