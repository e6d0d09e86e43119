// Embedded data for tests: named blobs, or files of the source tree.
#pragma once

#include <map>

#include "platform/Resources.h"

namespace sim {

class SimResources final : public platform::Resources {
 public:
  std::optional<std::string> LoadResourceData(const std::string& name) override;

  void Add(const std::string& name, std::string data) { data_[name] = std::move(data); }
  // Serves the file at path under the name; false when it cannot be read.
  bool AddFile(const std::string& name, const std::string& path);

 private:
  std::map<std::string, std::string> data_;
};

}  // namespace sim
