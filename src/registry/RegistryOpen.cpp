#include "registry/RegistryOpen.h"

#include "platform/Services.h"

namespace registry {
namespace {

// A success that handed back no key opened nothing either.
win::LSTATUS Checked(win::LSTATUS status, const platform::UniqueKey& key) {
  if (status == win::ERROR_SUCCESS && key.get() == 0) return win::ERROR_INVALID_HANDLE;
  return status;
}

}  // namespace

platform::Registry& Registry() { return platform::Use<platform::Registry>(); }

win::LSTATUS OpenEx(win::HKEY root, const std::string& subKey, win::REGSAM access,
                    platform::UniqueKey* key) {
  if (root == 0) return win::ERROR_INVALID_HANDLE;
  return Checked(Registry().RegOpenKeyExA(root, subKey.c_str(), 0, access, key->put()), *key);
}

win::LSTATUS OpenPlain(win::HKEY root, const std::string& subKey, platform::UniqueKey* key) {
  if (root == 0) return win::ERROR_INVALID_HANDLE;
  return Checked(Registry().RegOpenKeyA(root, subKey.c_str(), key->put()), *key);
}

win::LSTATUS OpenCreating(win::HKEY root, const std::string& subKey, platform::UniqueKey* key) {
  if (root == 0) return win::ERROR_INVALID_HANDLE;
  return Checked(Registry().RegCreateKeyA(root, subKey.c_str(), key->put()), *key);
}

}  // namespace registry
