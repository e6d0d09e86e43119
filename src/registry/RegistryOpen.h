// Opening registry keys for the class: the one place where its keys are
// opened; each lands in a guard that closes it again.
#pragma once

#include <string>

#include "platform/Ownership.h"
#include "platform/Registry.h"

namespace registry {

platform::Registry& Registry();

// Opens root\subKey with the given access (RegOpenKeyExA), plainly
// (RegOpenKeyA), or creating what is missing (RegCreateKeyA); an unknown root
// (0) opens nothing, whatever the system would make of a null key with an
// empty sub-key. For an empty sub-key the plain and creating calls hand back
// the root itself, which the guard leaves open.
bool OpenEx(win::HKEY root, const std::string& subKey, win::REGSAM access,
            platform::UniqueKey* key);
bool OpenPlain(win::HKEY root, const std::string& subKey, platform::UniqueKey* key);
bool OpenCreating(win::HKEY root, const std::string& subKey, platform::UniqueKey* key);

}  // namespace registry
