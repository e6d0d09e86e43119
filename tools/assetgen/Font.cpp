#include "Font.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <stdexcept>
#include <vector>

namespace assetgen {
namespace {

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library l = nullptr;
    if (FT_Init_FreeType(&l) != 0) throw std::runtime_error("FreeType does not start");
    return l;
  }();
  return library;
}

std::vector<char32_t> Decode(std::string_view utf8) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    int extra = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
    char32_t code = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < utf8.size(); ++k) {
      code =
          (code << 6) | (static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]) & 0x3F);
    }
    out.push_back(code);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

// Hinted light: crisp horizontal stems without distorting the letter shapes.
constexpr FT_Int32 kLoad = FT_LOAD_TARGET_LIGHT;

}  // namespace

struct Font::Impl {
  FT_Face face = nullptr;

  // Pen positions in 26.6 units, kerning included.
  template <class Visit>
  FT_Pos Walk(std::string_view utf8, double tracking, Visit visit) const {
    FT_Pos pen = 0;
    FT_UInt previous = 0;
    for (char32_t code : Decode(utf8)) {
      const FT_UInt glyph = FT_Get_Char_Index(face, code);
      if (previous != 0 && FT_HAS_KERNING(face)) {
        FT_Vector kern{};
        FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern);
        pen += kern.x;
      }
      if (FT_Load_Glyph(face, glyph, kLoad) != 0) throw std::runtime_error("glyph does not load");
      visit(pen, glyph);
      pen += face->glyph->advance.x + static_cast<FT_Pos>(std::lround(tracking * 64));
      previous = glyph;
    }
    return pen - (utf8.empty() ? 0 : static_cast<FT_Pos>(std::lround(tracking * 64)));
  }
};

Font::Font(const std::string& file, int pixelSize) : impl_(std::make_unique<Impl>()) {
  const std::string path = std::string(KV_FONT_DIR) + "/" + file;
  if (FT_New_Face(Library(), path.c_str(), 0, &impl_->face) != 0) {
    throw std::runtime_error("cannot load font " + path);
  }
  FT_Set_Pixel_Sizes(impl_->face, 0, static_cast<FT_UInt>(pixelSize));
}

Font::~Font() { FT_Done_Face(impl_->face); }

int Font::Measure(std::string_view utf8, double tracking) const {
  const FT_Pos width = impl_->Walk(utf8, tracking, [](FT_Pos, FT_UInt) {});
  return static_cast<int>((width + 32) >> 6);
}

int Font::Ascent() const {
  FT_Load_Char(impl_->face, 'H', kLoad);
  return static_cast<int>(impl_->face->glyph->metrics.horiBearingY >> 6);
}

void Font::Draw(Canvas& canvas, double x, int baseline, std::string_view utf8, Color c,
                double tracking) const {
  const FT_Pos origin = static_cast<FT_Pos>(std::lround(x * 64));
  impl_->Walk(utf8, tracking, [&](FT_Pos pen, FT_UInt) {
    FT_GlyphSlot slot = impl_->face->glyph;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) throw std::runtime_error("render");
    const FT_Bitmap& bitmap = slot->bitmap;
    const int left = static_cast<int>((origin + pen + 32) >> 6) + slot->bitmap_left;
    const int top = baseline - slot->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      for (unsigned col = 0; col < bitmap.width; ++col) {
        const unsigned char coverage =
            bitmap.buffer[static_cast<std::ptrdiff_t>(row) * bitmap.pitch + col];
        // A slight lift of the mid tones keeps thin light strokes on the dark
        // background from looking starved.
        const double alpha = std::pow(coverage / 255.0, 0.8);
        canvas.Blend(left + static_cast<int>(col), top + static_cast<int>(row), c, alpha);
      }
    }
  });
}

void DrawText(Canvas& canvas, const Font& font, double x, int baseline, std::string_view utf8,
              Color c, Align align, double tracking) {
  const int width = font.Measure(utf8, tracking);
  const double left = align == Align::Left     ? x
                      : align == Align::Center ? x - width / 2.0
                                               : x - width;
  font.Draw(canvas, std::round(left), baseline, utf8, c, tracking);
}

}  // namespace assetgen
