#include "platform/sim/SimResources.h"

#include <png.h>

#include <fstream>
#include <sstream>

namespace sim {

std::optional<std::string> SimResources::LoadResourceData(const std::string& name, win::WORD type) {
  const auto found = data_.find({type, name});
  if (found == data_.end()) return std::nullopt;
  return found->second;
}

std::optional<platform::Pixels> SimResources::DecodePng(std::string_view bytes) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()) == 0) {
    return std::nullopt;
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) {
    png_image_free(&image);
    return std::nullopt;
  }
  platform::Pixels out;
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.colours.reserve(rgb.size() / 3);
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
    out.colours.push_back(rgb[i] | (static_cast<std::uint32_t>(rgb[i + 1]) << 8) |
                          (static_cast<std::uint32_t>(rgb[i + 2]) << 16));
  }
  return out;
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
