// Opening registry keys for the class: the one place where its keys are
// opened; each lands in a guard that closes it again.
#pragma once

#include <string>

#include "platform/Ownership.h"
#include "platform/Registry.h"

namespace registry {

platform::Registry& Registry();

// Opens root\subKey with the given access (RegOpenKeyExA), plainly
// (RegOpenKeyA), or creating what is missing (RegCreateKeyA), and answers
// the call's LSTATUS, so that a caller can tell a key that is not there from
// one it may not read. An unknown root (0) opens nothing, whatever the
// system would make of a null key with an empty sub-key. For an empty
// sub-key the plain and creating calls hand back the root itself, which the
// guard leaves open.
[[nodiscard]] win::LSTATUS OpenEx(win::HKEY root, const std::string& subKey, win::REGSAM access,
                                  platform::UniqueKey* key);
[[nodiscard]] win::LSTATUS OpenPlain(win::HKEY root, const std::string& subKey,
                                     platform::UniqueKey* key);
[[nodiscard]] win::LSTATUS OpenCreating(win::HKEY root, const std::string& subKey,
                                        platform::UniqueKey* key);

// The key is gone: not there, or deleted while it was being read.
constexpr bool IsVanished(win::LSTATUS status) {
  return status == win::ERROR_FILE_NOT_FOUND || status == win::ERROR_KEY_DELETED;
}

}  // namespace registry
