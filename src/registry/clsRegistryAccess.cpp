// The key and value operations; paths, enumeration, the hex codec and the
// scripts live in the files of their own beside this one.
#include "registry/clsRegistryAccess.h"

#include <algorithm>
#include <array>

#include "registry/RegistryOpen.h"
#include "registry/RegistryText.h"

namespace {

using platform::UniqueKey;
using registry::Bytes;
using registry::OpenCreating;
using registry::OpenEx;
using registry::Registry;
using win::DWORD;
using win::HKEY;
using win::LSTATUS;

// The whole data of a value, however long: the size is asked first, and a
// value that grows between the two calls is asked again.
bool QueryAll(HKEY key, const std::string& name, std::string* data) {
  DWORD size = 0;
  if (Registry().RegQueryValueExA(key, name.c_str(), nullptr, nullptr, &size) !=
      win::ERROR_SUCCESS) {
    return false;
  }
  for (int attempt = 0; attempt < 8; ++attempt) {
    // One byte more than asked for: room for the NUL the system appends to a
    // string stored without one, so the call never fails for want of it.
    data->assign(static_cast<std::size_t>(size) + 1, '\0');
    size = static_cast<DWORD>(data->size());
    const LSTATUS status = Registry().RegQueryValueExA(
        key, name.c_str(), nullptr, reinterpret_cast<win::BYTE*>(data->data()), &size);
    if (status == win::ERROR_SUCCESS) {
      data->resize(std::min<std::size_t>(size, data->size()));
      return true;
    }
    if (status != win::ERROR_MORE_DATA) return false;
  }
  return false;
}

}  // namespace

HKEY clsRegistryAccess::CreateKey(const std::string& sPath) {
  const RegPath path = SplitRegPath(sPath);
  UniqueKey key;
  return OpenCreating(path.root, path.subKey, &key) == win::ERROR_SUCCESS ? key.get() : 0;
}

HKEY clsRegistryAccess::KillKey(const std::string& sPath) {
  const RegPath path = SplitRegPath(sPath);
  UniqueKey key;
  if (OpenEx(path.root, path.subKey, win::KEY_ALL_ACCESS, &key) != win::ERROR_SUCCESS) return 0;
  // The key deletes itself; it refuses while it has sub-keys, and then the
  // caller must hear that nothing was deleted.
  if (Registry().RegDeleteKeyA(key.get(), "") != win::ERROR_SUCCESS) return 0;
  return key.get();
}

bool clsRegistryAccess::KeyExists(const std::string& sPath) {
  const RegPath path = SplitRegPath(sPath);
  UniqueKey key;
  return OpenEx(path.root, path.subKey, win::KEY_ALL_ACCESS, &key) == win::ERROR_SUCCESS;
}

bool clsRegistryAccess::EnsureKey(const std::string& sPath) {
  if (KeyExists(sPath)) return true;
  if (!createKeyIfDoesntExists_) return false;
  CreateKey(sPath);  // a failure shows when the key is opened for writing
  return true;
}

HKEY clsRegistryAccess::WriteValue(const std::string& sPath, const std::string& name, DWORD type,
                                   const win::BYTE* data, DWORD size) {
  if (!EnsureKey(sPath)) return 0;
  const RegPath path = SplitRegPath(sPath);
  UniqueKey key;
  if (OpenEx(path.root, path.subKey, win::KEY_WRITE, &key) != win::ERROR_SUCCESS) return 0;
  const LSTATUS status = Registry().RegSetValueExA(key.get(), name.c_str(), 0, type, data, size);
  return status == win::ERROR_SUCCESS ? key.get() : 0;
}

HKEY clsRegistryAccess::WriteString(const std::string& sPath, const std::string& sName,
                                    const std::string& sValue) {
  // The text with its terminating NUL, counted in the length.
  return WriteValue(sPath, sName == "@" ? std::string() : sName, win::REG_SZ, Bytes(sValue),
                    static_cast<DWORD>(sValue.size() + 1));
}

bool clsRegistryAccess::ReadData(const std::string& sPath, const std::string& sName,
                                 std::string* data) {
  const RegPath path = SplitRegPath(sPath);
  UniqueKey key;
  return OpenEx(path.root, path.subKey, win::KEY_READ, &key) == win::ERROR_SUCCESS &&
         QueryAll(key.get(), sName, data);
}

std::string clsRegistryAccess::ReadString(const std::string& sPath, const std::string& sName,
                                          const std::string& sDefault) {
  std::string data;
  if (!ReadData(sPath, sName, &data)) return sDefault;
  return data.substr(0, data.find('\0'));
}

HKEY clsRegistryAccess::WriteDWORD(const std::string& sPath, const std::string& sName,
                                   std::int32_t lValue) {
  const auto bits = static_cast<std::uint32_t>(lValue);
  const std::array<win::BYTE, 4> bytes = {
      static_cast<win::BYTE>(bits), static_cast<win::BYTE>(bits >> 8),
      static_cast<win::BYTE>(bits >> 16), static_cast<win::BYTE>(bits >> 24)};
  return WriteValue(sPath, sName, win::REG_DWORD, bytes.data(), 4);
}

std::int32_t clsRegistryAccess::ReadDWORD(const std::string& sPath, const std::string& sName,
                                          std::int32_t lDefault) {
  const RegPath path = SplitRegPath(sPath);
  UniqueKey key;
  if (OpenEx(path.root, path.subKey, win::KEY_READ, &key) != win::ERROR_SUCCESS) return lDefault;
  // Shorter data fills only the low-order bytes; longer data does not fit and
  // gives the default.
  std::array<win::BYTE, 4> bytes = {0, 0, 0, 0};
  DWORD size = 4;
  DWORD type = win::REG_DWORD;
  if (Registry().RegQueryValueExA(key.get(), sName.c_str(), &type, bytes.data(), &size) !=
      win::ERROR_SUCCESS) {
    return lDefault;
  }
  const std::uint32_t bits = bytes[0] | (std::uint32_t{bytes[1]} << 8) |
                             (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[3]} << 24);
  return static_cast<std::int32_t>(bits);
}

HKEY clsRegistryAccess::WriteBinary(const std::string& sPath, const std::string& sName,
                                    const std::string& sValue) {
  std::string hex = sValue;
  const std::string bytes = StrToBin(hex);
  return WriteValue(sPath, sName, win::REG_BINARY, Bytes(bytes), static_cast<DWORD>(bytes.size()));
}

std::string clsRegistryAccess::ReadBinary(const std::string& sPath, const std::string& sName,
                                          const std::string& sDefault) {
  std::string data;
  if (!ReadData(sPath, sName, &data)) return sDefault;
  return std::string(registry::Trim(BinToStr(data)));
}

HKEY clsRegistryAccess::KillValue(const std::string& sPath, const std::string& sName) {
  const RegPath path = SplitRegPath(sPath);
  UniqueKey key;
  if (OpenEx(path.root, path.subKey, win::KEY_WRITE, &key) != win::ERROR_SUCCESS) return 0;
  Registry().RegDeleteValueA(key.get(), sName.c_str());  // a missing value is no failure here
  return key.get();
}

bool clsRegistryAccess::ValueExists(const std::string& sPath, const std::string& sName) {
  const RegPath path = SplitRegPath(sPath);
  UniqueKey key;
  if (OpenEx(path.root, path.subKey, win::KEY_READ, &key) != win::ERROR_SUCCESS) return false;
  DWORD size = 1;
  return Registry().RegQueryValueExA(key.get(), sName.c_str(), nullptr, nullptr, &size) ==
         win::ERROR_SUCCESS;
}
