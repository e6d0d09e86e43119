// Text through FreeType: grey-scale anti-aliased glyphs blended onto a Canvas.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "Raster.h"

namespace assetgen {

class Font {
 public:
  // file: a font file name under the DejaVu font directory.
  Font(const std::string& file, int pixelSize);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // Advance width of the text in pixels, with extra spacing between letters.
  int Measure(std::string_view utf8, double tracking = 0) const;
  int Ascent() const;  // pixels above the baseline of a capital letter
  // Draws the text with its origin at (x, baseline).
  void Draw(Canvas& canvas, double x, int baseline, std::string_view utf8, Color c,
            double tracking = 0) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

enum class Align { Left, Center, Right };

// Draws text aligned at x: its left end, its middle or its right end.
void DrawText(Canvas& canvas, const Font& font, double x, int baseline, std::string_view utf8,
              Color c, Align align = Align::Left, double tracking = 0);

}  // namespace assetgen
