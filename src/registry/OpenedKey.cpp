#include "registry/OpenedKey.h"

#include "platform/Services.h"
#include "registry/RegistryPath.h"

namespace registry {

platform::Registry& Registry() { return platform::Use<platform::Registry>(); }

OpenedKey::~OpenedKey() {
  if (key_ != 0 && !IsPredefined(key_)) Registry().RegCloseKey(key_);
}

bool OpenEx(win::HKEY root, const std::string& subKey, win::REGSAM access, OpenedKey* key) {
  return root != 0 &&
         Registry().RegOpenKeyExA(root, subKey.c_str(), 0, access, key->Out()) ==
             win::ERROR_SUCCESS &&
         key->get() != 0;
}

bool OpenPlain(win::HKEY root, const std::string& subKey, OpenedKey* key) {
  return root != 0 &&
         Registry().RegOpenKeyA(root, subKey.c_str(), key->Out()) == win::ERROR_SUCCESS &&
         key->get() != 0;
}

bool OpenCreating(win::HKEY root, const std::string& subKey, OpenedKey* key) {
  return root != 0 &&
         Registry().RegCreateKeyA(root, subKey.c_str(), key->Out()) == win::ERROR_SUCCESS &&
         key->get() != 0;
}

}  // namespace registry
