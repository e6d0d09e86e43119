#include "shell/mod_Outline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/PictureFiles.h"
#include "ui/Assets.h"

namespace {

using OutlineRun = mod_Outline::Run;
using mod_Outline::ScanRuns;

// A picture drawn as text: '.' transparent (white), anything else opaque.
std::vector<win::COLORREF> Picture(const std::vector<std::string>& rows) {
  std::vector<win::COLORREF> pixels;
  for (const std::string& row : rows) {
    for (char c : row) pixels.push_back(c == '.' ? 0xFFFFFF : (c == 'r' ? 0x0000FF : 0));
  }
  return pixels;
}

TEST(ScanRuns, FindsEveryMaximalRunOfEveryRow) {
  struct Case {
    const char* name;
    std::vector<std::string> rows;
    std::vector<OutlineRun> runs;
  };
  for (const Case& c : std::vector<Case>{
           {"all transparent", {"....", "...."}, {}},
           {"all opaque", {"##", "##"}, {{0, 0, 2}, {0, 1, 2}}},
           {"several runs a row", {"#.##..#."}, {{0, 0, 1}, {2, 0, 4}, {6, 0, 7}}},
           {"runs reach the right edge", {"..##", ".###"}, {{2, 0, 4}, {1, 1, 4}}},
           {"a transparent row adds nothing", {"#..", "...", "..#"}, {{0, 0, 1}, {2, 2, 3}}},
           {"any other colour is opaque", {"r#.r"}, {{0, 0, 2}, {3, 0, 4}}},
       }) {
    const int width = static_cast<int>(c.rows[0].size());
    EXPECT_EQ(ScanRuns(Picture(c.rows), width, static_cast<int>(c.rows.size()), 0xFFFFFF), c.runs)
        << c.name;
  }
}

TEST(ScanRuns, AnEmptyOrTooSmallPictureHasNoRuns) {
  EXPECT_TRUE(ScanRuns({}, 0, 0, 0xFFFFFF).empty());
  EXPECT_TRUE(ScanRuns(Picture({"##"}), 2, 0, 0xFFFFFF).empty());
  EXPECT_TRUE(ScanRuns(Picture({"##"}), 0, 1, 0xFFFFFF).empty());
  EXPECT_TRUE(ScanRuns(Picture({"##"}), 3, 1, 0xFFFFFF).empty()) << "fewer pixels than the size";
}

TEST(ScanRuns, TheShippedMaskGivesTheRoundedBody) {
  const ui::Image mask = testing_support::DecodeBitmapFile(testing_support::ReadFileBytes(
      std::string(KV_SOURCE_DIR "/src/ui/assets/") + std::string(ui::assets::kSkinMask.file)));
  const auto runs = ScanRuns(mask.pixels, mask.width, mask.height, mask.At(0, 0));
  ASSERT_EQ(runs.size(), 528u);
  const int inset[] = {10, 8, 6, 5, 4, 3, 2, 2, 1, 1};
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const int fromEdge = static_cast<int>(std::min(i, runs.size() - 1 - i));
    const int expected = fromEdge < 10 ? inset[fromEdge] : 0;
    EXPECT_EQ(runs[i], (OutlineRun{12 + expected, 12 + static_cast<int>(i), 590 - expected})) << i;
  }
}

}  // namespace
