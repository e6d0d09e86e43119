// The window shape built from the mask in one bulk read is the region the
// pixel-by-pixel scan gives, on the sim's GDI and on Windows'.
#include <string>
#include <vector>

#include "conformance/DrawingTest.h"
#include "platform/Picture.h"
#include "shell/mod_Outline.h"
#include "support/OutlineReference.h"
#include "toolkit/PictureBox.h"

namespace conformance {
namespace {

class SkinRegionContract : public DrawingTest {
 protected:
  // A mask drawn as text rows: '.' white, '#' black, 'r' red.
  static std::vector<std::uint32_t> Pixels(const std::vector<std::string>& rows) {
    std::vector<std::uint32_t> pixels;
    for (const std::string& row : rows) {
      for (char c : row) pixels.push_back(c == '.' ? 0xFFFFFF : (c == 'r' ? 0xFF0000 : 0));
    }
    return pixels;
  }
};

TEST_F(SkinRegionContract, TheBulkScanGivesThePixelByPixelRegion) {
  struct Case {
    const char* name;
    std::vector<std::string> rows;
  };
  for (const Case& c : std::vector<Case>{
           {"rounded body",
            {"........", "..####..", ".######.", ".######.", "..####..", "........"}},
           {"all transparent", {"....", "...."}},
           {"several runs a row", {".#.##..#", "#......#", "##.##.##"}},
           {"runs reaching the right edge", {"...###", "######", ".....#"}},
           {"another colour is opaque too", {".r#r.", "rr.rr"}},
       }) {
    const int width = static_cast<int>(c.rows[0].size());
    const int height = static_cast<int>(c.rows.size());
    toolkit::PictureBox box(0, 0, 1, 1);
    box.SetPicture(platform::Picture::FromPixels(width, height, Pixels(c.rows)));
    ASSERT_EQ(box.Width(), width);
    std::int32_t bulkColour = 0;
    std::int32_t slowColour = -5;
    const win::HRGN bulk = mod_Outline::CreateSkinRegion(box, bulkColour);
    const win::HRGN slow = testing_support::CreateSkinRegionPixelByPixel(box, slowColour);
    EXPECT_EQ(bulkColour, 0xFFFFFF) << c.name << ": the top-left colour is returned";
    EXPECT_EQ(slowColour, bulkColour);
    EXPECT_TRUE(testing_support::SamePixels(Gdi(), bulk, slow, width, height)) << c.name;
    // Spot checks that the two scans cannot both get wrong alike.
    EXPECT_EQ(Gdi().PtInRegion(bulk, 0, 0) != 0, c.rows[0][0] != '.') << c.name;
    EXPECT_FALSE(Gdi().PtInRegion(bulk, width, 0)) << c.name;
    Gdi().DeleteObject(bulk);
    Gdi().DeleteObject(slow);
  }
}

TEST_F(SkinRegionContract, AGivenColourIsTheOneLeftOut) {
  toolkit::PictureBox box(0, 0, 1, 1);
  box.SetPicture(platform::Picture::FromPixels(3, 1, Pixels({".#r"})));
  // Red, as a colour reference (0x00BBGGRR).
  std::int32_t red = 0x0000FF;
  const win::HRGN region = mod_Outline::CreateSkinRegion(box, red);
  EXPECT_EQ(red, 0x0000FF) << "a colour that is given stays";
  EXPECT_TRUE(Gdi().PtInRegion(region, 0, 0));
  EXPECT_TRUE(Gdi().PtInRegion(region, 1, 0));
  EXPECT_FALSE(Gdi().PtInRegion(region, 2, 0));
  Gdi().DeleteObject(region);
}

TEST_F(SkinRegionContract, AnEmptyBoxGivesAnEmptyRegion) {
  toolkit::PictureBox box(0, 0, 0, 0);
  std::int32_t colour = 0;
  const win::HRGN region = mod_Outline::CreateSkinRegion(box, colour);
  ASSERT_NE(region, 0u);
  EXPECT_FALSE(Gdi().PtInRegion(region, 0, 0));
  Gdi().DeleteObject(region);
}

}  // namespace
}  // namespace conformance
