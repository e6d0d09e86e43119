#include "registry/RegistryEnum.h"

#include <algorithm>
#include <utility>

#include "registry/RegistryOpen.h"
#include "registry/RegistryText.h"
#include "registry/clsRegistryAccess.h"

namespace registry {
namespace {

// The buffers an enumeration starts with, and how far a name buffer may grow:
// value names are at most 16383 characters, and an ANSI name may take two
// bytes per character.
constexpr std::size_t kEnumBuffer = 256;
constexpr std::size_t kMaxNameBuffer = 32768;

}  // namespace

win::LSTATUS EnumKeyName(win::HKEY key, win::DWORD index, std::string* name) {
  for (std::size_t room = kEnumBuffer;; room *= 2) {
    name->assign(room, '\0');
    auto length = static_cast<win::DWORD>(room);
    const win::LSTATUS status = Registry().RegEnumKeyExA(key, index, name->data(), &length);
    if (status == win::ERROR_SUCCESS) name->resize(std::min<std::size_t>(length, room));
    if (status != win::ERROR_MORE_DATA || room >= kMaxNameBuffer) return status;
  }
}

// A short data buffer is told the size it needs; a short name buffer is not,
// so that one doubles.
win::LSTATUS EnumValue(win::HKEY key, win::DWORD index, EnumeratedValue* value) {
  std::size_t nameRoom = kEnumBuffer;
  std::size_t dataRoom = kEnumBuffer;
  for (int attempt = 0; attempt < 24; ++attempt) {
    value->name.assign(nameRoom, '\0');
    value->data.assign(dataRoom, '\0');
    auto nameLength = static_cast<win::DWORD>(nameRoom);
    auto dataSize = static_cast<win::DWORD>(dataRoom);
    const win::LSTATUS status =
        Registry().RegEnumValueA(key, index, value->name.data(), &nameLength, &value->type,
                                 reinterpret_cast<win::BYTE*>(value->data.data()), &dataSize);
    if (status == win::ERROR_SUCCESS) {
      value->name.resize(std::min<std::size_t>(nameLength, nameRoom));
      value->data.resize(std::min<std::size_t>(dataSize, dataRoom));
      return status;
    }
    if (status != win::ERROR_MORE_DATA) return status;
    if (dataSize > dataRoom) {
      dataRoom = static_cast<std::size_t>(dataSize) + 1;
    } else if (nameRoom < kMaxNameBuffer) {
      nameRoom *= 2;
    } else {
      return status;
    }
  }
  return win::ERROR_MORE_DATA;
}

std::string TextOf(const std::string& data) { return data.substr(0, data.find('\0')); }

std::int32_t DwordOf(const std::string& data) {
  if (data.size() > 4) return 0;
  std::uint32_t bits = 0;
  for (std::size_t i = data.size(); i-- > 0;) {
    bits = (bits << 8) | static_cast<unsigned char>(data[i]);
  }
  return static_cast<std::int32_t>(bits);
}

win::LSTATUS ReadKeyContents(win::HKEY root, const std::string& subKey, bool withSubKeys,
                             KeyContents* contents) {
  platform::UniqueKey key;
  if (const win::LSTATUS opened = OpenPlain(root, subKey, &key); opened != win::ERROR_SUCCESS) {
    return opened;
  }
  // A failed enumeration of the values still lists the sub-keys: the caller
  // reads as much as it can and hears of the first failure.
  EnumeratedValue found;
  win::LSTATUS status = win::ERROR_SUCCESS;
  for (win::DWORD index = 0; (status = EnumValue(key.get(), index, &found)) == win::ERROR_SUCCESS;
       ++index) {
    contents->values.push_back(std::move(found));
  }
  const win::LSTATUS values = status == win::ERROR_NO_MORE_ITEMS ? win::ERROR_SUCCESS : status;
  if (!withSubKeys) return values;
  std::string name;
  for (win::DWORD index = 0; (status = EnumKeyName(key.get(), index, &name)) == win::ERROR_SUCCESS;
       ++index) {
    contents->subKeys.push_back(name);
  }
  if (values != win::ERROR_SUCCESS) return values;
  return status == win::ERROR_NO_MORE_ITEMS ? win::ERROR_SUCCESS : status;
}

}  // namespace registry

using platform::UniqueKey;
using registry::EnumeratedValue;
using registry::EnumKeyName;
using registry::EnumValue;
using registry::OpenPlain;

std::int32_t clsRegistryAccess::EnumKeys(const std::string& sPath, std::vector<std::string>& keys) {
  const RegPath path = SplitRegPath(sPath);
  keys.clear();
  UniqueKey key;
  if (OpenPlain(path.root, path.subKey, &key) != win::ERROR_SUCCESS) return -1;
  std::string name;
  // Past the last key comes ERROR_NO_MORE_ITEMS; any other failure would
  // repeat for every further index, so it ends the list as well.
  for (win::DWORD index = 0; EnumKeyName(key.get(), index, &name) == win::ERROR_SUCCESS; ++index) {
    keys.push_back(name);
  }
  return static_cast<std::int32_t>(keys.size());
}

bool clsRegistryAccess::HaveSubkey(const std::string& sPath) {
  const RegPath path = SplitRegPath(sPath);
  UniqueKey key;
  if (OpenPlain(path.root, path.subKey, &key) != win::ERROR_SUCCESS) return false;
  std::string name;
  return EnumKeyName(key.get(), 0, &name) != win::ERROR_NO_MORE_ITEMS;
}

std::int32_t clsRegistryAccess::EnumValues(const std::string& sPath,
                                           std::vector<std::string>& names,
                                           std::vector<RegEnumValue>& values,
                                           std::int32_t OnlyType) {
  const RegPath path = SplitRegPath(sPath);
  UniqueKey key;
  if (OpenPlain(path.root, path.subKey, &key) != win::ERROR_SUCCESS) return -1;
  names.clear();
  values.clear();
  EnumeratedValue found;
  for (win::DWORD index = 0; EnumValue(key.get(), index, &found) == win::ERROR_SUCCESS; ++index) {
    if (OnlyType != -1 && static_cast<win::DWORD>(OnlyType) != found.type) continue;
    names.push_back(found.name);  // exactly as stored
    // Numbers and texts read as ReadDWORD and ReadString would read them,
    // from the data the enumeration has already delivered.
    switch (found.type) {
      case win::REG_BINARY:
        values.emplace_back(std::string(registry::Trim(BinToStr(found.data))));
        break;
      case win::REG_DWORD:
        values.emplace_back(registry::DwordOf(found.data));
        break;
      case win::REG_SZ:
        values.emplace_back(registry::TextOf(found.data));
        break;
      default:
        values.emplace_back(std::monostate{});
        break;
    }
  }
  return static_cast<std::int32_t>(names.size());
}
