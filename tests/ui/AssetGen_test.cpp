// The checked-in assets are exactly what the generator makes: run it into
// fresh directories and compare every file byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include <unistd.h>

#include "support/PictureFiles.h"
#include "ui/Assets.h"

namespace {

namespace fs = std::filesystem;

std::set<std::string> Names(const fs::path& directory) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(AssetGenerator, ReproducesTheCheckedInAssetsByteForByte) {
  const fs::path out = fs::temp_directory_path() / ("kv_assetgen_" + std::to_string(::getpid()));
  fs::remove_all(out);
  const std::string command = std::string("\"") + KV_ASSETGEN + "\" \"" + (out / "ui").string() +
                              "\" \"" + (out / "art").string() + "\" >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  const fs::path shipped = fs::path(KV_SOURCE_DIR) / "src/ui/assets";
  const std::set<std::string> names = Names(shipped);
  EXPECT_EQ(Names(out / "ui"), names);
  std::set<std::string> table;
  for (const ui::assets::Asset& asset : ui::assets::kAll) table.insert(std::string(asset.file));
  for (const ui::assets::Asset& asset : ui::assets::kScaled) {
    for (int dpi : ui::assets::kDpis) table.insert(ui::assets::FileAt(asset, dpi));
  }
  EXPECT_EQ(table, names) << "every shipped file is named in the asset table, and only those";
  const fs::path art = fs::path(KV_SOURCE_DIR) / "installer/art";
  EXPECT_EQ(Names(out / "art"), Names(art));
  for (const auto& [made, kept] : {std::pair{out / "ui", shipped}, std::pair{out / "art", art}}) {
    for (const std::string& name : Names(kept)) {
      SCOPED_TRACE(name);
      EXPECT_TRUE(testing_support::ReadFileBytes(made / name) ==
                  testing_support::ReadFileBytes(kept / name))
          << "regenerate with: cmake --build --preset native --target assets";
    }
  }
  fs::remove_all(out);
}

// The installer script picks its pictures by these names and expects each at
// its 96-dpi size scaled to the density, as the pages' controls are scaled.
TEST(AssetGenerator, InstallerPicturesComeAtEveryDensityAtTheirScaledSizes) {
  const fs::path art = fs::path(KV_SOURCE_DIR) / "installer/art";
  struct Picture {
    const char* stem;
    int width;
    int height;
  };
  for (const Picture& picture : {Picture{"header", 150, 57}, Picture{"wizard", 164, 314}}) {
    for (int dpi : ui::assets::kDpis) {
      const std::string name =
          std::string(picture.stem) + (dpi == 96 ? "" : "@" + std::to_string(dpi)) + ".bmp";
      SCOPED_TRACE(name);
      const ui::Image image =
          testing_support::DecodeBitmapFile(testing_support::ReadFileBytes(art / name));
      EXPECT_EQ(image.width, ui::assets::PixelsAt(picture.width, dpi));
      EXPECT_EQ(image.height, ui::assets::PixelsAt(picture.height, dpi));
    }
  }
}

}  // namespace
