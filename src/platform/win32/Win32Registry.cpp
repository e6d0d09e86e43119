#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include <cstddef>
#include <iterator>

namespace win32 {
namespace {

::HKEY H(win::HKEY key) { return reinterpret_cast<::HKEY>(key); }
::HKEY* Out(win::HKEY* key) {
  static_assert(sizeof(win::HKEY) == sizeof(::HKEY));
  return reinterpret_cast<::HKEY*>(key);
}
::DWORD* D(win::DWORD* value) {
  static_assert(sizeof(win::DWORD) == sizeof(::DWORD));
  return reinterpret_cast<::DWORD*>(value);
}

static_assert(sizeof(win::SECURITY_ATTRIBUTES) == sizeof(::SECURITY_ATTRIBUTES));
static_assert(offsetof(win::SECURITY_ATTRIBUTES, bInheritHandle) ==
              offsetof(::SECURITY_ATTRIBUTES, bInheritHandle));

}  // namespace

struct Win32Registry::Watch {
  HANDLE event = nullptr;
  HWND window = nullptr;
  UINT message = 0;

  Watch() = default;
  Watch(const Watch&) = delete;
  Watch& operator=(const Watch&) = delete;
  ~Watch() {
    if (event != nullptr) ::CloseHandle(event);
  }
};

Win32Registry::Win32Registry() = default;
Win32Registry::~Win32Registry() = default;

void Win32Registry::Collect() {
  events_.clear();
  for (const auto& [key, watch] : watches_) events_.push_back(watch->event);
}

void Win32Registry::Signalled(std::size_t index) {
  if (index >= watches_.size()) return;
  // events_ lists the watches' events in the map's order.
  const Watch& watch = *std::next(watches_.begin(), static_cast<std::ptrdiff_t>(index))->second;
  // Posted, not sent: the window hears of it from its own loop, as of any
  // other message, and re-arms from there.
  (void)::PostMessageA(watch.window, watch.message, 0, 0);
}

win::LSTATUS Win32Registry::RegNotifyChangeKeyValue(win::HKEY key, win::DWORD filter,
                                                    win::HWND window, win::UINT message) {
  std::unique_ptr<Watch>& slot = watches_[key];
  if (!slot) {
    auto watch = std::make_unique<Watch>();
    // Auto-reset: one set, one wake of the waiting loop.
    watch->event = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (watch->event == nullptr) {
      watches_.erase(key);
      return static_cast<win::LSTATUS>(::GetLastError());
    }
    slot = std::move(watch);
    Collect();
  }
  slot->window = reinterpret_cast<HWND>(window);
  slot->message = message;
  // REG_NOTIFY_THREAD_AGNOSTIC is not asked for: the UI thread that asks
  // lives as long as the program, and older systems refuse the flag.
  return ::RegNotifyChangeKeyValue(H(key), FALSE, filter, slot->event, TRUE);
}
win::LSTATUS Win32Registry::RegOpenKeyA(win::HKEY key, const char* subKey, win::HKEY* result) {
  return ::RegOpenKeyA(H(key), subKey, Out(result));
}

win::LSTATUS Win32Registry::RegOpenKeyExA(win::HKEY key, const char* subKey, win::DWORD options,
                                          win::REGSAM access, win::HKEY* result) {
  return ::RegOpenKeyExA(H(key), subKey, options, access, Out(result));
}

win::LSTATUS Win32Registry::RegCreateKeyA(win::HKEY key, const char* subKey, win::HKEY* result) {
  return ::RegCreateKeyA(H(key), subKey, Out(result));
}

win::LSTATUS Win32Registry::RegCreateKeyExA(win::HKEY key, const char* subKey, win::DWORD reserved,
                                            const char* keyClass, win::DWORD options,
                                            win::REGSAM access,
                                            const win::SECURITY_ATTRIBUTES* security,
                                            win::HKEY* result, win::DWORD* disposition) {
  auto* attributes =
      const_cast<::SECURITY_ATTRIBUTES*>(reinterpret_cast<const ::SECURITY_ATTRIBUTES*>(security));
  return ::RegCreateKeyExA(H(key), subKey, reserved, const_cast<char*>(keyClass), options, access,
                           attributes, Out(result), D(disposition));
}

win::LSTATUS Win32Registry::RegCloseKey(win::HKEY key) {
  const win::LSTATUS result = ::RegCloseKey(H(key));
  // The key's notifications end with it; a handle value may come back for another key.
  if (watches_.erase(key) != 0) Collect();
  return result;
}

win::LSTATUS Win32Registry::RegDeleteKeyA(win::HKEY key, const char* subKey) {
  return ::RegDeleteKeyA(H(key), subKey);
}

win::LSTATUS Win32Registry::RegDeleteValueA(win::HKEY key, const char* valueName) {
  return ::RegDeleteValueA(H(key), valueName);
}

win::LSTATUS Win32Registry::RegSetValueExA(win::HKEY key, const char* valueName,
                                           win::DWORD reserved, win::DWORD type,
                                           const win::BYTE* data, win::DWORD size) {
  return ::RegSetValueExA(H(key), valueName, reserved, type, data, size);
}

win::LSTATUS Win32Registry::RegQueryValueExA(win::HKEY key, const char* valueName, win::DWORD* type,
                                             win::BYTE* data, win::DWORD* size) {
  return ::RegQueryValueExA(H(key), valueName, nullptr, D(type), data, D(size));
}

win::LSTATUS Win32Registry::RegEnumKeyExA(win::HKEY key, win::DWORD index, char* name,
                                          win::DWORD* nameLength) {
  return ::RegEnumKeyExA(H(key), index, name, D(nameLength), nullptr, nullptr, nullptr, nullptr);
}

win::LSTATUS Win32Registry::RegEnumValueA(win::HKEY key, win::DWORD index, char* name,
                                          win::DWORD* nameLength, win::DWORD* type, win::BYTE* data,
                                          win::DWORD* dataSize) {
  return ::RegEnumValueA(H(key), index, name, D(nameLength), nullptr, D(type), data, D(dataSize));
}

}  // namespace win32
