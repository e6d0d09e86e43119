#include "support/RegistryTools.h"

#include <cstdio>
#include <ostream>

namespace testing_support {
namespace {

win::LSTATUS SetBytes(platform::Registry& registry, win::HKEY key, const std::string& name,
                      win::DWORD type, const std::string& data) {
  // A copy with a byte after the data that is never NUL, so the system's
  // "forgotten terminator" rule cannot lengthen what the caller asked for.
  const std::string bytes = data + 'X';
  return registry.RegSetValueExA(key, name.c_str(), 0, type,
                                 reinterpret_cast<const win::BYTE*>(bytes.data()),
                                 static_cast<win::DWORD>(data.size()));
}

void PrintEscaped(const std::string& bytes, std::ostream* out) {
  *out << '"';
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
      *out << c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      *out << escaped;
    }
  }
  *out << '"';
}

}  // namespace

void PrintTo(const RawValue& value, std::ostream* out) {
  PrintEscaped(value.name, out);
  *out << " type " << value.type << " ";
  PrintEscaped(value.data, out);
}

void DeleteTree(platform::Registry& registry, win::HKEY root, const std::string& path) {
  for (const std::string& child : SubKeys(registry, root, path)) {
    DeleteTree(registry, root, path + "\\" + child);
  }
  (void)registry.RegDeleteKeyA(root, path.c_str());
}

bool SetRaw(platform::Registry& registry, win::HKEY root, const std::string& path,
            const std::string& name, win::DWORD type, const std::string& data) {
  win::HKEY key = 0;
  if (registry.RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, win::KEY_ALL_ACCESS, nullptr,
                               &key, nullptr) != win::ERROR_SUCCESS) {
    return false;
  }
  const win::LSTATUS status = SetBytes(registry, key, name, type, data);
  (void)registry.RegCloseKey(key);
  return status == win::ERROR_SUCCESS;
}

std::optional<RawValue> QueryRaw(platform::Registry& registry, win::HKEY root,
                                 const std::string& path, const std::string& name) {
  win::HKEY key = 0;
  if (registry.RegOpenKeyExA(root, path.c_str(), 0, win::KEY_READ, &key) != win::ERROR_SUCCESS) {
    return std::nullopt;
  }
  RawValue value{name, win::REG_NONE, {}};
  win::DWORD size = 0;
  win::LSTATUS status = registry.RegQueryValueExA(key, name.c_str(), &value.type, nullptr, &size);
  if (status == win::ERROR_SUCCESS) {
    std::string bytes(size + 1, '\0');
    status = registry.RegQueryValueExA(key, name.c_str(), &value.type,
                                       reinterpret_cast<win::BYTE*>(bytes.data()), &size);
    value.data = bytes.substr(0, size);
  }
  (void)registry.RegCloseKey(key);
  if (status != win::ERROR_SUCCESS) return std::nullopt;
  return value;
}

std::vector<RawValue> Values(platform::Registry& registry, win::HKEY root,
                             const std::string& path) {
  std::vector<RawValue> values;
  win::HKEY key = 0;
  if (registry.RegOpenKeyExA(root, path.c_str(), 0, win::KEY_READ, &key) != win::ERROR_SUCCESS) {
    return values;
  }
  for (win::DWORD index = 0;; ++index) {
    std::string name(16384, '\0');
    std::string data(65536, '\0');
    auto nameLength = static_cast<win::DWORD>(name.size());
    auto dataSize = static_cast<win::DWORD>(data.size());
    win::DWORD type = 0;
    if (registry.RegEnumValueA(key, index, name.data(), &nameLength, &type,
                               reinterpret_cast<win::BYTE*>(data.data()),
                               &dataSize) != win::ERROR_SUCCESS) {
      break;
    }
    values.push_back({name.substr(0, nameLength), type, data.substr(0, dataSize)});
  }
  (void)registry.RegCloseKey(key);
  return values;
}

std::vector<std::string> SubKeys(platform::Registry& registry, win::HKEY root,
                                 const std::string& path) {
  std::vector<std::string> names;
  win::HKEY key = 0;
  if (registry.RegOpenKeyExA(root, path.c_str(), 0, win::KEY_READ, &key) != win::ERROR_SUCCESS) {
    return names;
  }
  for (win::DWORD index = 0;; ++index) {
    char name[256];
    win::DWORD length = sizeof name;
    if (registry.RegEnumKeyExA(key, index, name, &length) != win::ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  (void)registry.RegCloseKey(key);
  return names;
}

bool KeyExists(platform::Registry& registry, win::HKEY root, const std::string& path) {
  win::HKEY key = 0;
  if (registry.RegOpenKeyExA(root, path.c_str(), 0, win::KEY_READ, &key) != win::ERROR_SUCCESS) {
    return false;
  }
  (void)registry.RegCloseKey(key);
  return true;
}

KeySnapshot::KeySnapshot(platform::Registry& registry, win::HKEY root, std::string path)
    : registry_(registry),
      root_(root),
      path_(std::move(path)),
      existed_(KeyExists(registry, root, path_)),
      values_(Values(registry, root, path_)) {}

KeySnapshot::~KeySnapshot() {
  if (!existed_) {
    DeleteTree(registry_, root_, path_);
    return;
  }
  win::HKEY key = 0;
  if (registry_.RegCreateKeyExA(root_, path_.c_str(), 0, nullptr, 0, win::KEY_ALL_ACCESS, nullptr,
                                &key, nullptr) != win::ERROR_SUCCESS) {
    return;
  }
  for (const RawValue& now : Values(registry_, root_, path_)) {
    (void)registry_.RegDeleteValueA(key, now.name.c_str());
  }
  for (const RawValue& saved : values_) {
    SetBytes(registry_, key, saved.name, saved.type, saved.data);
  }
  (void)registry_.RegCloseKey(key);
}

}  // namespace testing_support
