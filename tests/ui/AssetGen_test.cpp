// The checked-in assets are exactly what the generator makes: run it into a
// fresh directory and compare every file byte for byte.
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
  const std::string command =
      std::string("\"") + KV_ASSETGEN + "\" \"" + out.string() + "\" >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;

  const fs::path shipped = fs::path(KV_SOURCE_DIR) / "src/ui/assets";
  const std::set<std::string> names = Names(shipped);
  EXPECT_EQ(Names(out), names);
  std::set<std::string> table;
  for (const ui::assets::Asset& asset : ui::assets::kAll) table.insert(std::string(asset.file));
  for (const ui::assets::Asset& asset : ui::assets::kScaled) {
    for (int dpi : ui::assets::kDpis) table.insert(ui::assets::FileAt(asset, dpi));
  }
  EXPECT_EQ(table, names) << "every shipped file is named in the asset table, and only those";
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(testing_support::ReadFileBytes(out / name) ==
                testing_support::ReadFileBytes(shipped / name))
        << "regenerate with: cmake --build --preset native --target assets";
  }
  fs::remove_all(out);
}

}  // namespace
