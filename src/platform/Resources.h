// Data that ships inside the program: window layouts and other files,
// embedded as RCDATA resources of the executable.
#pragma once

#include <optional>
#include <string>

namespace platform {

class Resources {
 public:
  virtual ~Resources() = default;
  // The bytes of the named RCDATA resource, or nothing when it is missing.
  virtual std::optional<std::string> LoadResourceData(const std::string& name) = 0;
};

}  // namespace platform
