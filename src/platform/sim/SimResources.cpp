#include "platform/sim/SimResources.h"

#include <fstream>
#include <sstream>

namespace sim {

std::optional<std::string> SimResources::LoadResourceData(const std::string& name, win::WORD type) {
  const auto found = data_.find({type, name});
  if (found == data_.end()) return std::nullopt;
  return found->second;
}

bool SimResources::AddFile(const std::string& name, win::WORD type, const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  std::string data = bytes.str();
  constexpr std::size_t kBitmapFileHeader = 14;
  if (type == win::RT_BITMAP) {
    if (data.size() < kBitmapFileHeader) return false;
    data.erase(0, kBitmapFileHeader);
  }
  data_[{type, name}] = std::move(data);
  return true;
}

}  // namespace sim
