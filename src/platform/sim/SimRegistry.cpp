#include "platform/sim/SimRegistry.h"

#include "platform/Text.h"

#include <algorithm>
#include <cstring>

namespace sim {
namespace {

using win::DWORD;
using win::HKEY;
using win::LSTATUS;

// The registry compares names by their upper-case form.
int CompareNames(const std::string& a, const std::string& b) {
  return platform::CompareIgnoringCase(a, b);
}

bool IsStringType(DWORD type) {
  return type == win::REG_SZ || type == win::REG_EXPAND_SZ || type == win::REG_MULTI_SZ;
}

win::REGSAM EffectiveAccess(win::REGSAM requested) {
  // MAXIMUM_ALLOWED grants what the caller's account may do; in the sim, everything.
  return (requested & win::MAXIMUM_ALLOWED) ? win::KEY_ALL_ACCESS : requested;
}

// Splits a relative key path into its names. A path that starts with a
// backslash is refused; repeated and trailing backslashes separate nothing.
LSTATUS SplitPath(const char* subKey, std::vector<std::string>* names) {
  names->clear();
  if (subKey == nullptr || *subKey == '\0') return win::ERROR_SUCCESS;
  if (*subKey == '\\') return win::ERROR_BAD_PATHNAME;
  std::string current;
  for (const char* p = subKey;; ++p) {
    if (*p == '\\' || *p == '\0') {
      if (!current.empty()) names->push_back(current);
      current.clear();
      if (*p == '\0') break;
    } else {
      current.push_back(*p);
    }
  }
  return win::ERROR_SUCCESS;
}

}  // namespace

SimRegistry::SimRegistry() {
  for (HKEY root : {win::HKEY_CLASSES_ROOT, win::HKEY_CURRENT_USER, win::HKEY_LOCAL_MACHINE,
                    win::HKEY_USERS, win::HKEY_CURRENT_CONFIG}) {
    roots_[root] = std::make_shared<Key>();
  }
}

SimRegistry::~SimRegistry() = default;

LSTATUS SimRegistry::Resolve(HKEY handle, Opened* opened) const {
  if (auto root = roots_.find(handle); root != roots_.end()) {
    *opened = Opened{root->second, win::KEY_ALL_ACCESS};
    return win::ERROR_SUCCESS;
  }
  auto found = handles_.find(handle);
  if (found == handles_.end()) return win::ERROR_INVALID_HANDLE;
  if (found->second.key->deleted) return win::ERROR_KEY_DELETED;
  *opened = found->second;
  return win::ERROR_SUCCESS;
}

HKEY SimRegistry::NewHandle(std::shared_ptr<Key> key, win::REGSAM access) {
  // Handles are never reused, so a stale handle fails instead of aliasing.
  const HKEY handle = nextHandle_;
  nextHandle_ += 4;
  handles_[handle] = Opened{std::move(key), EffectiveAccess(access)};
  return handle;
}

LSTATUS SimRegistry::Open(HKEY key, const char* subKey, win::REGSAM access, bool create,
                          HKEY* result, DWORD* disposition) {
  if (result == nullptr) return win::ERROR_INVALID_PARAMETER;
  Opened from;
  if (LSTATUS status = Resolve(key, &from); status != win::ERROR_SUCCESS) return status;
  std::vector<std::string> names;
  if (LSTATUS status = SplitPath(subKey, &names); status != win::ERROR_SUCCESS) return status;

  std::shared_ptr<Key> node = from.key;
  bool created = false;
  for (const std::string& name : names) {
    auto& children = node->subkeys;
    auto at = std::lower_bound(children.begin(), children.end(), name,
                               [](const std::shared_ptr<Key>& child, const std::string& n) {
                                 return CompareNames(child->name, n) < 0;
                               });
    if (at != children.end() && CompareNames((*at)->name, name) == 0) {
      node = *at;
      continue;
    }
    if (!create) return win::ERROR_FILE_NOT_FOUND;
    auto child = std::make_shared<Key>();
    child->name = name;
    child->parent = node.get();
    at = children.insert(at, child);
    node = child;
    created = true;
  }
  if (disposition != nullptr) {
    *disposition = created ? win::REG_CREATED_NEW_KEY : win::REG_OPENED_EXISTING_KEY;
  }
  *result = NewHandle(node, access);
  return win::ERROR_SUCCESS;
}

LSTATUS SimRegistry::RegOpenKeyA(HKEY key, const char* subKey, HKEY* result) {
  if (result == nullptr) return win::ERROR_INVALID_PARAMETER;
  // Without a sub-key the function hands back the caller's own handle.
  if (subKey == nullptr || *subKey == '\0') {
    *result = key;
    return win::ERROR_SUCCESS;
  }
  return Open(key, subKey, win::MAXIMUM_ALLOWED, false, result, nullptr);
}

LSTATUS SimRegistry::RegOpenKeyExA(HKEY key, const char* subKey, DWORD /*options*/,
                                   win::REGSAM access, HKEY* result) {
  return Open(key, subKey, access, false, result, nullptr);
}

LSTATUS SimRegistry::RegCreateKeyA(HKEY key, const char* subKey, HKEY* result) {
  if (result == nullptr) return win::ERROR_INVALID_PARAMETER;
  // Documented for Windows: without a sub-key the caller's own handle comes back.
  if (subKey == nullptr || *subKey == '\0') {
    *result = key;
    return win::ERROR_SUCCESS;
  }
  return Open(key, subKey, win::MAXIMUM_ALLOWED, true, result, nullptr);
}

LSTATUS SimRegistry::RegCreateKeyExA(HKEY key, const char* subKey, DWORD /*reserved*/,
                                     const char* /*keyClass*/, DWORD /*options*/,
                                     win::REGSAM access,
                                     const win::SECURITY_ATTRIBUTES* /*security*/, HKEY* result,
                                     DWORD* disposition) {
  if (subKey == nullptr) return win::ERROR_BAD_PATHNAME;
  return Open(key, subKey, access, true, result, disposition);
}

LSTATUS SimRegistry::RegCloseKey(HKEY key) {
  if (roots_.count(key) != 0) return win::ERROR_SUCCESS;
  watches_.erase(key);
  return handles_.erase(key) != 0 ? win::ERROR_SUCCESS : win::ERROR_INVALID_HANDLE;
}

LSTATUS SimRegistry::RegDeleteKeyA(HKEY key, const char* subKey) {
  if (subKey == nullptr) return win::ERROR_INVALID_PARAMETER;
  HKEY target = 0;
  if (LSTATUS status = Open(key, subKey, win::DELETE, false, &target, nullptr);
      status != win::ERROR_SUCCESS) {
    return status;
  }
  std::shared_ptr<Key> node = handles_[target].key;
  handles_.erase(target);
  if (node->parent == nullptr || !node->subkeys.empty()) return win::ERROR_ACCESS_DENIED;
  auto& siblings = node->parent->subkeys;
  siblings.erase(std::find(siblings.begin(), siblings.end(), node));
  node->deleted = true;
  node->parent = nullptr;
  return win::ERROR_SUCCESS;
}

SimRegistry::Value* SimRegistry::FindValue(Key& key, const char* name) {
  const std::string wanted = name != nullptr ? name : "";
  for (Value& value : key.values) {
    if (CompareNames(value.name, wanted) == 0) return &value;
  }
  return nullptr;
}

LSTATUS SimRegistry::RegDeleteValueA(HKEY key, const char* valueName) {
  Opened opened;
  if (LSTATUS status = Resolve(key, &opened); status != win::ERROR_SUCCESS) return status;
  if ((opened.access & win::KEY_SET_VALUE) == 0) return win::ERROR_ACCESS_DENIED;
  Value* value = FindValue(*opened.key, valueName);
  if (value == nullptr) return win::ERROR_FILE_NOT_FOUND;
  opened.key->values.erase(opened.key->values.begin() + (value - opened.key->values.data()));
  ValuesChanged(*opened.key);
  return win::ERROR_SUCCESS;
}

LSTATUS SimRegistry::RegSetValueExA(HKEY key, const char* valueName, DWORD /*reserved*/, DWORD type,
                                    const win::BYTE* data, DWORD size) {
  Opened opened;
  if (LSTATUS status = Resolve(key, &opened); status != win::ERROR_SUCCESS) return status;
  if ((opened.access & win::KEY_SET_VALUE) == 0) return win::ERROR_ACCESS_DENIED;
  if (data == nullptr && size != 0) return win::ERROR_INVALID_PARAMETER;
  // A string whose caller forgot to count its terminating NUL gets it counted,
  // as Windows does: it looks one byte past the given length.
  if (size != 0 && IsStringType(type) && data[size - 1] != 0 && data[size] == 0) ++size;
  std::vector<win::BYTE> bytes(data, data + size);
  if (Value* existing = FindValue(*opened.key, valueName)) {
    existing->type = type;
    existing->data = std::move(bytes);
  } else {
    opened.key->values.push_back(
        Value{valueName != nullptr ? valueName : "", type, std::move(bytes)});
  }
  ValuesChanged(*opened.key);
  return win::ERROR_SUCCESS;
}

LSTATUS SimRegistry::RegNotifyChangeKeyValue(HKEY key, DWORD filter, win::HWND window,
                                             win::UINT message) {
  Opened opened;
  if (LSTATUS status = Resolve(key, &opened); status != win::ERROR_SUCCESS) return status;
  if ((opened.access & win::KEY_NOTIFY) == 0) return win::ERROR_ACCESS_DENIED;
  // Asking again through the same handle replaces what it asked before.
  watches_[key] = Watch{opened.key, filter, window, message};
  return win::ERROR_SUCCESS;
}

void SimRegistry::ValuesChanged(const Key& key) {
  std::vector<Watch> fired;
  for (auto watch = watches_.begin(); watch != watches_.end();) {
    if (watch->second.key.get() == &key &&
        (watch->second.filter & win::REG_NOTIFY_CHANGE_LAST_SET)) {
      fired.push_back(watch->second);
      watch = watches_.erase(watch);
    } else {
      ++watch;
    }
  }
  for (const Watch& watch : fired) {
    if (postMessage) postMessage(watch.window, watch.message);
  }
}

namespace {

// Copies value data the way the query functions do: a short buffer gets
// ERROR_MORE_DATA (and keeps what it held, or is scribbled on when asked:
// Windows leaves its contents undefined); a string that fits without its NUL
// gets one appended when the buffer has room for it.
LSTATUS CopyData(DWORD type, const std::vector<win::BYTE>& stored, win::BYTE* data, DWORD* size,
                 bool scribble) {
  const auto length = static_cast<DWORD>(stored.size());
  if (data == nullptr) {
    if (size != nullptr) *size = length;
    return win::ERROR_SUCCESS;
  }
  if (size == nullptr) return win::ERROR_INVALID_PARAMETER;
  const DWORD room = *size;
  *size = length;
  if (room < length) {
    // What fits of the data, without a NUL: the worst a reader may find.
    if (scribble) std::copy_n(stored.begin(), room, data);
    return win::ERROR_MORE_DATA;
  }
  std::copy(stored.begin(), stored.end(), data);
  if (IsStringType(type) && length > 0 && length < room && stored.back() != 0) data[length] = 0;
  return win::ERROR_SUCCESS;
}

}  // namespace

LSTATUS SimRegistry::RegQueryValueExA(HKEY key, const char* valueName, DWORD* type, win::BYTE* data,
                                      DWORD* size) {
  Opened opened;
  if (LSTATUS status = Resolve(key, &opened); status != win::ERROR_SUCCESS) return status;
  if ((opened.access & win::KEY_QUERY_VALUE) == 0) return win::ERROR_ACCESS_DENIED;
  if (data != nullptr && size == nullptr) return win::ERROR_INVALID_PARAMETER;
  const Value* value = FindValue(*opened.key, valueName);
  if (value == nullptr) return win::ERROR_FILE_NOT_FOUND;
  if (type != nullptr) *type = value->type;
  return CopyData(value->type, value->data, data, size, scribbleOnMoreData);
}

LSTATUS SimRegistry::RegEnumKeyExA(HKEY key, DWORD index, char* name, DWORD* nameLength) {
  Opened opened;
  if (LSTATUS status = Resolve(key, &opened); status != win::ERROR_SUCCESS) return status;
  if ((opened.access & win::KEY_ENUMERATE_SUB_KEYS) == 0) return win::ERROR_ACCESS_DENIED;
  if (name == nullptr || nameLength == nullptr) return win::ERROR_INVALID_PARAMETER;
  const auto& subkeys = opened.key->subkeys;
  if (index >= subkeys.size()) return win::ERROR_NO_MORE_ITEMS;
  const std::string& found = subkeys[index]->name;
  if (found.size() >= *nameLength) return win::ERROR_MORE_DATA;
  std::memcpy(name, found.c_str(), found.size() + 1);
  *nameLength = static_cast<DWORD>(found.size());
  return win::ERROR_SUCCESS;
}

LSTATUS SimRegistry::RegEnumValueA(HKEY key, DWORD index, char* name, DWORD* nameLength,
                                   DWORD* type, win::BYTE* data, DWORD* dataSize) {
  Opened opened;
  if (LSTATUS status = Resolve(key, &opened); status != win::ERROR_SUCCESS) return status;
  if ((opened.access & win::KEY_QUERY_VALUE) == 0) return win::ERROR_ACCESS_DENIED;
  if (name == nullptr || nameLength == nullptr) return win::ERROR_INVALID_PARAMETER;
  if (data != nullptr && dataSize == nullptr) return win::ERROR_INVALID_PARAMETER;
  const auto& values = opened.key->values;
  if (index >= values.size()) return win::ERROR_NO_MORE_ITEMS;
  const Value& value = values[index];
  if (value.name.size() >= *nameLength) return win::ERROR_MORE_DATA;
  std::memcpy(name, value.name.c_str(), value.name.size() + 1);
  *nameLength = static_cast<DWORD>(value.name.size());
  if (type != nullptr) *type = value.type;
  return CopyData(value.type, value.data, data, dataSize, scribbleOnMoreData);
}

}  // namespace sim
