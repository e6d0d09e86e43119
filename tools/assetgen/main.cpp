// Writes every picture of src/ui/assets into the directory given, the same
// bytes on every run.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "Assets.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: assetgen OUTPUT_DIRECTORY\n";
    return 2;
  }
  try {
    const std::filesystem::path out = argv[1];
    std::filesystem::create_directories(out);
    assetgen::Files files = assetgen::SkinAssets();
    files.merge(assetgen::IconAssets());
    for (const auto& [name, bytes] : files) {
      std::ofstream stream(out / name, std::ios::binary | std::ios::trunc);
      stream.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
      if (!stream) throw std::runtime_error("cannot write " + (out / name).string());
    }
    std::cout << "wrote " << files.size() << " files to " << out.string() << "\n";
  } catch (const std::exception& e) {
    std::cerr << "assetgen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
