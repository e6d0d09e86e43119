// The edge cases of the five bitmap routines, on pixels drawn by hand.
#include "controls/TransparentBitmaps.h"

#include <gmock/gmock.h>

#include "platform/Services.h"
#include "platform/sim/SimGdi.h"
#include "platform/sim/SimScreen.h"
#include "support/DrawingTools.h"

namespace {

using testing_support::PictureFromRows;
using testing_support::ReadPixels;
using testing_support::WritePixels;
using Pixels = std::vector<win::COLORREF>;

constexpr win::COLORREF kBlue = 0xFF0000, kRed = 0x0000FF, kGreen = 0x00FF00, kGrey = 0x808080,
                        kWhite = 0xFFFFFF;
const std::map<char, win::COLORREF> kPalette = {
    {'B', kBlue}, {'R', kRed}, {'G', kGreen}, {'.', kGrey}};

class TransparentBitmaps : public ::testing::Test {
 protected:
  void SetUp() override {
    target_.SetPicture(PictureFromRows({"....", "....", "....", "...."}, kPalette));
  }
  // A 4 x 4 source picture box.
  toolkit::PictureBox& Source(const std::vector<std::string>& rows) {
    source_.SetPicture(PictureFromRows(rows, kPalette));
    return source_;
  }
  Pixels Target() { return ReadPixels(target_.hdc(), 0, 0, 4, 4); }
  static Pixels Rows(const std::vector<std::string>& rows) {
    Pixels pixels;
    for (const auto& row : rows) {
      for (char key : row) pixels.push_back(kPalette.at(key));
    }
    return pixels;
  }

  sim::SimGdi gdi_;
  sim::SimScreen screen_;
  platform::Install<platform::Gdi> useGdi_{gdi_};
  platform::Install<platform::Screen> useScreen_{screen_};
  toolkit::PictureBox source_{0, 0, 4, 4};
  toolkit::PictureBox target_{0, 0, 4, 4};
};

TEST_F(TransparentBitmaps, KeyMinusOneComesFromPixelOneOneWhenPaintingAPicture) {
  const auto& source = Source({"RRRR", "RGGR", "RGGR", "RRRR"});
  controls::PaintTransparentPicture(target_.hdc(), source.hdc(), {0, 0}, {0, 0}, 4, 4, -1);
  EXPECT_EQ(Target(), Rows({"RRRR", "R..R", "R..R", "RRRR"}));
}

TEST_F(TransparentBitmaps, KeyMinusOneComesFromPixelZeroZeroBetweenSurfaces) {
  const auto& source = Source({"RRRR", "RGGR", "RGGR", "RRRR"});
  EXPECT_TRUE(controls::BlitTransparentBetween(source.hdc(), target_.hdc(), -1, 0, 0, 0, 0, 4, 4));
  EXPECT_EQ(Target(), Rows({"....", ".GG.", ".GG.", "...."}));
  toolkit::PictureBox mask(0, 0, 4, 4);
  mask.SetBackColor(kWhite);
  mask.SetForeColor(0);
  EXPECT_TRUE(controls::MakeMask(source.hdc(), mask.hdc(), -1, 0, 0, 0, 0, 4, 4));
  const Pixels masked = ReadPixels(mask.hdc(), 0, 0, 4, 4);
  EXPECT_EQ(masked[0], kWhite) << "key: the mask's background colour";
  EXPECT_EQ(masked[5], 0u) << "picture: its text colour";
}

TEST_F(TransparentBitmaps, ASourceAllOfTheKeyColourLeavesTheTargetUnchanged) {
  WritePixels(target_.hdc(), 0, 0, 4, 4, Rows({"RG..", "GR..", "..RG", "..GR"}));
  const auto& source = Source({"BBBB", "BBBB", "BBBB", "BBBB"});
  controls::PaintTransparentPicture(target_.hdc(), source.hdc(), {0, 0}, {0, 0}, 4, 4,
                                    static_cast<std::int32_t>(kBlue));
  EXPECT_EQ(Target(), Rows({"RG..", "GR..", "..RG", "..GR"}));
}

TEST_F(TransparentBitmaps, ASourceWithoutTheKeyColourIsCopiedWhole) {
  const auto& source = Source({"RGRG", "GRGR", "RGRG", "GRGR"});
  controls::PaintTransparentPicture(target_.hdc(), source.hdc(), {0, 0}, {0, 0}, 4, 4,
                                    static_cast<std::int32_t>(kBlue));
  EXPECT_EQ(Target(), Rows({"RGRG", "GRGR", "RGRG", "GRGR"}));
}

TEST_F(TransparentBitmaps, HighlightPaintsExactlyTheShapeAndNothingElse) {
  const auto& source = Source({"BBBB", "BRGB", "BGBB", "BBBR"});
  toolkit::PictureBox mask(0, 0, 81, 33);
  toolkit::PictureBox colour(0, 0, 81, 33);
  controls::PaintHighlightedPicture(source.hdc(), target_.hdc(), mask.hdc(), colour, kGreen, 0, 0,
                                    0, 0, 4, 4);
  EXPECT_EQ(Target(), Rows({"....", ".GG.", ".G..", "...G"}));
}

TEST_F(TransparentBitmaps, BlitBetweenIsOneRasterOperation) {
  const auto& source = Source({"RRRR", "RRRR", "RRRR", "RRRR"});
  EXPECT_TRUE(controls::BlitBetween(source.hdc(), target_.hdc(), win::SRCCOPY, 2, 2, 0, 0, 2, 2));
  EXPECT_EQ(Target(), Rows({"....", "....", "..RR", "..RR"}));
  EXPECT_FALSE(controls::BlitBetween(source.hdc(), 0, win::SRCCOPY, 0, 0, 0, 0, 2, 2));
}

TEST_F(TransparentBitmaps, EveryRoutineFreesWhatItMade) {
  const auto& source = Source({"BRRB", "RGGR", "RGGR", "BRRB"});
  toolkit::PictureBox mask(0, 0, 4, 4);
  toolkit::PictureBox colour(0, 0, 4, 4);
  const int dcs = gdi_.LiveDCs(), objects = gdi_.LiveObjects();
  controls::PaintTransparentPicture(target_.hdc(), source.hdc(), {0, 0}, {0, 0}, 4, 4, -1);
  controls::BlitTransparentBetween(source.hdc(), 0, -1, 0, 0, 0, 0, 4, 4);  // fails midway
  controls::MakeMask(source.hdc(), mask.hdc(), -1, 0, 0, 0, 0, 4, 4);
  controls::PaintHighlightedPicture(source.hdc(), target_.hdc(), mask.hdc(), colour, kRed, 0, 0, 0,
                                    0, 4, 4);
  EXPECT_EQ(gdi_.LiveDCs(), dcs);
  EXPECT_EQ(gdi_.LiveObjects(), objects);
}

}  // namespace
