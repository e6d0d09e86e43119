// Opening registry keys for the class: the one place where keys are opened
// and closed again.
#pragma once

#include <string>

#include "platform/Registry.h"

namespace registry {

platform::Registry& Registry();

// A key handle that is closed when it goes out of scope. The open functions
// hand back the caller's own predefined key for an empty sub-key; that one
// was not opened here and is not closed.
class OpenedKey {
 public:
  OpenedKey() = default;
  ~OpenedKey();
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;

  win::HKEY* Out() { return &key_; }
  win::HKEY get() const { return key_; }

 private:
  win::HKEY key_ = 0;
};

// Opens root\subKey with the given access (RegOpenKeyExA), plainly
// (RegOpenKeyA), or creating what is missing (RegCreateKeyA); an unknown root
// (0) opens nothing, whatever the system would make of a null key with an
// empty sub-key.
bool OpenEx(win::HKEY root, const std::string& subKey, win::REGSAM access, OpenedKey* key);
bool OpenPlain(win::HKEY root, const std::string& subKey, OpenedKey* key);
bool OpenCreating(win::HKEY root, const std::string& subKey, OpenedKey* key);

}  // namespace registry
