#include "platform/sim/SimResources.h"

#include <fstream>
#include <sstream>

namespace sim {

std::optional<std::string> SimResources::LoadResourceData(const std::string& name) {
  const auto found = data_.find(name);
  if (found == data_.end()) return std::nullopt;
  return found->second;
}

bool SimResources::AddFile(const std::string& name, const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  data_[name] = bytes.str();
  return true;
}

}  // namespace sim
