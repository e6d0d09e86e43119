// Writes every picture of src/ui/assets and of installer/art into the two
// directories given, the same bytes on every run.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "Assets.h"

namespace {

void Write(const std::filesystem::path& out, const assetgen::Files& files) {
  std::filesystem::create_directories(out);
  for (const auto& [name, bytes] : files) {
    std::ofstream stream(out / name, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
    if (!stream) throw std::runtime_error("cannot write " + (out / name).string());
  }
  std::cout << "wrote " << files.size() << " files to " << out.string() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: assetgen PROGRAM_ASSETS_DIRECTORY INSTALLER_ART_DIRECTORY\n";
    return 2;
  }
  try {
    assetgen::Files files = assetgen::SkinAssets();
    files.merge(assetgen::IconAssets());
    Write(argv[1], files);
    Write(argv[2], assetgen::InstallerAssets());
  } catch (const std::exception& e) {
    std::cerr << "assetgen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
