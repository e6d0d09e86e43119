// The registry as the system uses it: the advapi32 ANSI functions.
#pragma once

#include "platform/WinTypes.h"

namespace win {

using REGSAM = DWORD;

// Predefined keys are sign-extended 32-bit values, as Windows defines them.
constexpr HKEY PredefinedKey(std::uint32_t value) {
  return static_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value)));
}
constexpr HKEY HKEY_CLASSES_ROOT = PredefinedKey(0x80000000);
constexpr HKEY HKEY_CURRENT_USER = PredefinedKey(0x80000001);
constexpr HKEY HKEY_LOCAL_MACHINE = PredefinedKey(0x80000002);
constexpr HKEY HKEY_USERS = PredefinedKey(0x80000003);
constexpr HKEY HKEY_PERFORMANCE_DATA = PredefinedKey(0x80000004);
constexpr HKEY HKEY_CURRENT_CONFIG = PredefinedKey(0x80000005);
constexpr HKEY HKEY_DYN_DATA = PredefinedKey(0x80000006);
constexpr bool IsPredefinedKey(HKEY key) {
  return key >= HKEY_CLASSES_ROOT && key <= HKEY_DYN_DATA;
}

// Value types.
constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_MULTI_SZ = 7;

// Access rights.
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_CREATE_LINK = 0x0020;
constexpr REGSAM DELETE = 0x00010000;
constexpr REGSAM READ_CONTROL = 0x00020000;
constexpr REGSAM MAXIMUM_ALLOWED = 0x02000000;
// The generic rights as Windows composes them; KEY_NOTIFY is no right the
// system asks for alone, but part of what KEY_READ grants.
constexpr REGSAM KEY_READ = READ_CONTROL | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY;
constexpr REGSAM KEY_WRITE = READ_CONTROL | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
static_assert(KEY_READ == 0x20019 && KEY_WRITE == 0x20006);
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

// RegNotifyChangeKeyValue filters.
constexpr DWORD REG_NOTIFY_CHANGE_NAME = 0x1;
constexpr DWORD REG_NOTIFY_CHANGE_LAST_SET = 0x4;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Same layout as the platform's SECURITY_ATTRIBUTES on 32- and 64-bit builds.
struct SECURITY_ATTRIBUTES {
  DWORD nLength;
  void* lpSecurityDescriptor;
  BOOL bInheritHandle;
};

}  // namespace win

namespace platform {

// Each member forwards to the advapi32 function of the same name and returns
// its LSTATUS. Arguments the system never varies (reserved words, class
// buffers, last-write times) are left out.
class Registry {
 public:
  virtual ~Registry() = default;

  [[nodiscard]] virtual win::LSTATUS RegOpenKeyA(win::HKEY key, const char* subKey,
                                                 win::HKEY* result) = 0;
  [[nodiscard]] virtual win::LSTATUS RegOpenKeyExA(win::HKEY key, const char* subKey,
                                                   win::DWORD options, win::REGSAM access,
                                                   win::HKEY* result) = 0;
  [[nodiscard]] virtual win::LSTATUS RegCreateKeyA(win::HKEY key, const char* subKey,
                                                   win::HKEY* result) = 0;
  [[nodiscard]] virtual win::LSTATUS RegCreateKeyExA(win::HKEY key, const char* subKey,
                                                     win::DWORD reserved, const char* keyClass,
                                                     win::DWORD options, win::REGSAM access,
                                                     const win::SECURITY_ATTRIBUTES* security,
                                                     win::HKEY* result,
                                                     win::DWORD* disposition) = 0;
  [[nodiscard]] virtual win::LSTATUS RegCloseKey(win::HKEY key) = 0;
  [[nodiscard]] virtual win::LSTATUS RegDeleteKeyA(win::HKEY key, const char* subKey) = 0;
  [[nodiscard]] virtual win::LSTATUS RegDeleteValueA(win::HKEY key, const char* valueName) = 0;
  [[nodiscard]] virtual win::LSTATUS RegSetValueExA(win::HKEY key, const char* valueName,
                                                    win::DWORD reserved, win::DWORD type,
                                                    const win::BYTE* data, win::DWORD size) = 0;
  // data may be null to learn the size (and whether the value exists).
  [[nodiscard]] virtual win::LSTATUS RegQueryValueExA(win::HKEY key, const char* valueName,
                                                      win::DWORD* type, win::BYTE* data,
                                                      win::DWORD* size) = 0;
  // nameLength: in, the buffer's size in characters with its NUL; out, the
  // name's length without it.
  [[nodiscard]] virtual win::LSTATUS RegEnumKeyExA(win::HKEY key, win::DWORD index, char* name,
                                                   win::DWORD* nameLength) = 0;
  [[nodiscard]] virtual win::LSTATUS RegEnumValueA(win::HKEY key, win::DWORD index, char* name,
                                                   win::DWORD* nameLength, win::DWORD* type,
                                                   win::BYTE* data, win::DWORD* dataSize) = 0;
  // RegNotifyChangeKeyValue(key, FALSE, filter, event, TRUE) on a key opened
  // with KEY_NOTIFY, the event waited for by the asking thread's message loop
  // beside its queue, which posts the message to the window when it is set:
  // the UI thread hears of the next change of the key's own values without
  // a thread of its own or a wait of the UI's. One change, one message: call
  // again to hear of the next. Closing the key ends it.
  [[nodiscard]] virtual win::LSTATUS RegNotifyChangeKeyValue(win::HKEY key, win::DWORD filter,
                                                             win::HWND window,
                                                             win::UINT message) = 0;
};

}  // namespace platform
