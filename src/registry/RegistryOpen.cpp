#include "registry/RegistryOpen.h"

#include "platform/Services.h"

namespace registry {

platform::Registry& Registry() { return platform::Use<platform::Registry>(); }

bool OpenEx(win::HKEY root, const std::string& subKey, win::REGSAM access,
            platform::UniqueKey* key) {
  return root != 0 &&
         Registry().RegOpenKeyExA(root, subKey.c_str(), 0, access, key->put()) ==
             win::ERROR_SUCCESS &&
         key->get() != 0;
}

bool OpenPlain(win::HKEY root, const std::string& subKey, platform::UniqueKey* key) {
  return root != 0 &&
         Registry().RegOpenKeyA(root, subKey.c_str(), key->put()) == win::ERROR_SUCCESS &&
         key->get() != 0;
}

bool OpenCreating(win::HKEY root, const std::string& subKey, platform::UniqueKey* key) {
  return root != 0 &&
         Registry().RegCreateKeyA(root, subKey.c_str(), key->put()) == win::ERROR_SUCCESS &&
         key->get() != 0;
}

}  // namespace registry
