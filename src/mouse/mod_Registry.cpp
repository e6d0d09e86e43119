#include "mouse/mod_Registry.h"

#include <algorithm>
#include <vector>

#include "platform/DebugLog.h"
#include "platform/Ownership.h"
#include "platform/Services.h"
#include "platform/Text.h"

namespace mod_Registry {
namespace {

platform::Registry& Registry() { return platform::Use<platform::Registry>(); }

// KEY_READ | KEY_WRITE | KEY_CREATE_LINK: enough to create, read and write.
constexpr win::REGSAM kReadWrite = win::KEY_READ | win::KEY_WRITE | win::KEY_CREATE_LINK;

constexpr std::size_t kReadBuffer = 256;

}  // namespace

std::string ReadMouseValue(std::string_view name) {
  // A buffer of spaces that the trim removes again: a failed or short read
  // leaves nothing behind, and data stored with or without its NUL reads alike.
  std::vector<win::BYTE> buffer(kReadBuffer, ' ');
  platform::UniqueKey key;
  if (Registry().RegOpenKeyA(win::HKEY_CURRENT_USER, kMouseKey, key.put()) != win::ERROR_SUCCESS) {
    return {};
  }
  auto size = static_cast<win::DWORD>(buffer.size());
  win::DWORD type = win::REG_NONE;
  const std::string valueName(name);
  const win::LSTATUS read =
      Registry().RegQueryValueExA(key.get(), valueName.c_str(), &type, buffer.data(), &size);
  // A failed query, a too long value above all, leaves the buffer undefined.
  if (read != win::ERROR_SUCCESS) return {};
  const auto end = std::find(buffer.begin(), buffer.end(), win::BYTE{0});
  return std::string(
      platform::Trim(std::string_view(reinterpret_cast<const char*>(buffer.data()),
                                      static_cast<std::size_t>(end - buffer.begin()))));
}

void WriteMouseValue(std::string_view name, std::string_view text) {
  if (SetRegString(win::HKEY_CURRENT_USER, kMouseKey, std::string(name), text) !=
      win::ERROR_SUCCESS) {
    platform::DebugLine("the setting " + std::string(name) + " could not be stored");
  }
}

std::int32_t SetRegString(win::HKEY root, const std::string& subKey, const std::string& name,
                          std::string_view text) {
  win::SECURITY_ATTRIBUTES security{sizeof(win::SECURITY_ATTRIBUTES), nullptr, win::TRUE};
  {
    // Only makes the key: its result is not examined and its handle not kept.
    platform::UniqueKey created;
    win::DWORD disposition = 0;
    Registry().RegCreateKeyExA(root, subKey.c_str(), 0, "", win::REG_OPTION_NON_VOLATILE,
                               kReadWrite, &security, created.put(), &disposition);
  }
  platform::UniqueKey key;
  if (const win::LSTATUS opened =
          Registry().RegOpenKeyExA(root, subKey.c_str(), 0, kReadWrite, key.put());
      opened != win::ERROR_SUCCESS) {
    return opened;
  }
  // REG_SZ data carries its terminating NUL, as every reader of the value expects.
  const std::string data(text);
  return Registry().RegSetValueExA(key.get(), name.c_str(), 0, win::REG_SZ,
                                   reinterpret_cast<const win::BYTE*>(data.c_str()),
                                   static_cast<win::DWORD>(data.size() + 1));
}

}  // namespace mod_Registry
