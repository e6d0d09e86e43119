// Embedded data for tests: named blobs, or files of the source tree.
#pragma once

#include <map>
#include <utility>

#include "platform/Resources.h"

namespace sim {

class SimResources final : public platform::Resources {
 public:
  std::optional<std::string> LoadResourceData(const std::string& name,
                                              win::WORD type = win::RT_RCDATA) override;

  void Add(const std::string& name, win::WORD type, std::string data) {
    data_[{type, name}] = std::move(data);
  }
  // Serves the file at path under the name, as the resource compiler would
  // embed it: a bitmap without its 14-byte file header, anything else whole.
  // False when the file cannot be read.
  bool AddFile(const std::string& name, win::WORD type, const std::string& path);

 private:
  std::map<std::pair<win::WORD, std::string>, std::string> data_;
};

}  // namespace sim
