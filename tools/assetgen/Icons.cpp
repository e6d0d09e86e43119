// The application icon (a computer mouse) and the hand cursor: 16-colour
// pixel art on the VGA palette at 32 and 16 pixels, and 32-bit images with
// alpha for the sizes higher densities ask for, each painted at its size from
// the same outline.
#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Assets.h"
#include "IconShapes.h"
#include "Raster.h"
#include "ui/Assets.h"

namespace assetgen {
namespace {

namespace ua = ui::assets;

// VGA palette indices.
constexpr std::uint8_t kBlack = 0;
constexpr std::uint8_t kTeal = 6;
constexpr std::uint8_t kSilver = 7;
constexpr std::uint8_t kGrey = 8;
constexpr std::uint8_t kAqua = 14;
constexpr std::uint8_t kWhite = 15;

std::uint8_t IndexOf(char c) {
  switch (c) {
    case 'K':
      return kBlack;
    case 'D':
      return kGrey;
    case 'L':
      return kSilver;
    case 'W':
      return kWhite;
    case 'T':
      return kTeal;
    case 'C':
      return kAqua;
    default:
      throw std::runtime_error(std::string("unknown pixel art colour ") + c);
  }
}

// Pixel art, one string per row; '.' is transparent, short rows are padded.
IconImage FromArt(int size, const std::vector<std::string_view>& rows) {
  IconImage image;
  image.width = size;
  image.height = size;
  image.index.assign(static_cast<std::size_t>(size * size), 0);
  image.transparent.assign(static_cast<std::size_t>(size * size), 1);
  if (rows.size() > static_cast<std::size_t>(size)) throw std::runtime_error("art too tall");
  for (std::size_t y = 0; y < rows.size(); ++y) {
    if (rows[y].size() > static_cast<std::size_t>(size)) throw std::runtime_error("art too wide");
    for (std::size_t x = 0; x < rows[y].size(); ++x) {
      if (rows[y][x] == '.') continue;
      const std::size_t at = y * static_cast<std::size_t>(size) + x;
      image.index[at] = IndexOf(rows[y][x]);
      image.transparent[at] = 0;
    }
  }
  return image;
}

// A mouse seen from above, drawn from its shape: black outline, a white left
// half and a silver right half shaded grey at the flank, the buttons' seams,
// an aqua wheel and a cable leaving the front.
IconImage MouseIcon(int size) {
  const double s = size / 32.0;
  const double cx = size / 2.0, top = 3 * s, bottom = size - 0.5;
  const double cy = (top + bottom) / 2, b = (bottom - top) / 2, a = 11.5 * s;
  const auto inside = [&](int x, int y) {
    const double u = std::abs(x + 0.5 - cx) / a;
    const double v = std::abs(y + 0.5 - cy) / b;
    return std::pow(u, 2.4) + std::pow(v, 2.4) <= 1.0;
  };
  std::vector<std::string> art(static_cast<std::size_t>(size),
                               std::string(static_cast<std::size_t>(size), '.'));
  const int mid = size / 2;  // the seam between the buttons: columns mid-1 and mid
  const int seamRow = static_cast<int>(std::lround(top + 0.42 * (bottom - top)));
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      if (!inside(x, y)) continue;
      char& p = art[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
      const bool edge =
          !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      if (edge) {
        p = 'K';
      } else if (!inside(x + 2, y) || (size >= 32 && !inside(x + 3, y))) {
        p = 'D';
      } else {
        p = x < mid ? 'W' : 'L';
      }
    }
  }
  const auto set = [&](int x, int y, char c) {
    art[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = c;
  };
  for (int x = 0; x < size; ++x) {
    if (inside(x, seamRow) &&
        art[static_cast<std::size_t>(seamRow)][static_cast<std::size_t>(x)] != 'K') {
      set(x, seamRow, size >= 32 ? 'K' : 'D');
    }
  }
  const int topRow = static_cast<int>(top);
  for (int y = topRow; y < seamRow; ++y) {
    if (size >= 32) {
      set(mid - 1, y, 'K');
      set(mid, y, 'K');
    } else {
      set(mid, y, 'K');
    }
  }
  // The wheel: aqua, with a teal shadow on big icons.
  const int wheelTop = topRow + (size >= 32 ? 3 : 2);
  const int wheelBottom = seamRow - (size >= 32 ? 4 : 2);
  for (int y = wheelTop; y <= wheelBottom; ++y) {
    if (size >= 32) {
      set(mid - 2, y, 'K');
      set(mid + 1, y, 'K');
      set(mid - 1, y, 'C');
      set(mid, y, y == wheelBottom ? 'T' : 'C');
    } else {
      set(mid, y, 'C');
    }
  }
  if (size >= 32) {
    set(mid - 1, wheelTop - 1, 'K');
    set(mid, wheelTop - 1, 'K');
    set(mid - 1, wheelBottom + 1, 'K');
    set(mid, wheelBottom + 1, 'K');
  }
  // The cable from the front edge to the icon's top, bending to the right.
  for (int y = 0; y < topRow; ++y) {
    const int x = mid + (y < topRow / 2 ? 1 : 0);
    set(x, y, 'K');
    if (size >= 32) set(x - 1, y, 'D');
  }
  std::vector<std::string_view> rows(art.begin(), art.end());
  return FromArt(size, rows);
}

// The pointing hand: index finger up, its tip at the hot spot (12, 1).
IconImage Hand() {
  IconImage hand = FromArt(32, {
                                   "",
                                   "...........KKK",
                                   "..........KWWWK",
                                   "..........KWWWK",
                                   "..........KWWLK",
                                   "..........KWWLK",
                                   "..........KWWLK",
                                   "..........KWWLKKK",
                                   "..........KWWLKWLKKK",
                                   "..........KWWLKWLKWLKK",
                                   "..........KWWLKWLKWLKWK",
                                   "..........KWWLKWLKWLKWLK",
                                   "......KKK.KWWLKWLKWLKWLK",
                                   ".....KWWWKKWWWWWWWWWWWLK",
                                   ".....KWWWWKWWWWWWWWWWWLK",
                                   "......KWWWWWWWWWWWWWWWLK",
                                   "......KWWWWWWWWWWWWWWWLK",
                                   ".......KWWWWWWWWWWWWWWLK",
                                   ".......KWWWWWWWWWWWWWLLK",
                                   "........KWWWWWWWWWWWWLK",
                                   "........KWWWWWWWWWWWWLK",
                                   ".........KWWWWWWWWWWLK",
                                   ".........KWWWWWWWWWWLK",
                                   ".........KKKKKKKKKKKKK",
                               });
  hand.hotspotX = ua::kHandHotspotX;
  hand.hotspotY = ua::kHandHotspotY;
  return hand;
}

// The colours of a canvas painted over a black ground, with the coverage of
// the outline as alpha; wholly transparent pixels are stored as 0.
template <class Outline>
DeepImage WithAlpha(const Canvas& canvas, const Outline& outline) {
  DeepImage image;
  image.width = canvas.Width();
  image.height = canvas.Height();
  const auto channel = [](double v) {
    return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 255.0)));
  };
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const int hits = shapes::Coverage(x, y, outline);
      const auto alpha = static_cast<std::uint32_t>(
          std::lround(255.0 * hits / (shapes::kSamples * shapes::kSamples)));
      const Color c = canvas.At(x, y);
      image.argb.push_back(
          alpha == 0 ? 0 : alpha << 24 | channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b));
    }
  }
  return image;
}

// The mouse of MouseIcon, smooth: the outline is the black ground showing
// around the shrunk body, the right flank shaded, the buttons' seams, the
// wheel and the cable.
DeepImage DeepMouse(int size) {
  const shapes::Mouse m(size);
  const double line = std::max(1.0, 0.8 * m.s);
  Canvas canvas(size, size, Hex(0x000000));
  const auto body = [&](double x, double y) { return m.Body(x, y, line); };
  canvas.FillShape(0, 0, size, size, Hex(0x808080), body);
  // Lit where the body reaches two of its units further right.
  const auto lit = [&](double x, double y) { return body(x, y) && body(x + 2 * m.s, y); };
  canvas.FillShape(0, 0, size, size, Hex(0xFFFFFF),
                   [&](double x, double y) { return x < m.cx && lit(x, y); });
  canvas.FillShape(0, 0, size, size, Hex(0xC0C0C0),
                   [&](double x, double y) { return x >= m.cx && lit(x, y); });
  const double seam = m.top + 0.42 * (m.bottom - m.top);
  const Color seamColour = size >= 32 ? Hex(0x000000) : Hex(0x808080);
  canvas.FillShape(0, 0, size, size, seamColour, [&](double x, double y) {
    return body(x, y) &&
           (std::abs(y - seam) <= line / 2 || (y <= seam && std::abs(x - m.cx) <= line / 2));
  });
  // Small icons have room for the wheel's colour only, as the 16-pixel art.
  const double wheelHalf = std::max(1.0, 1.5 * m.s);
  const double wheelTop = m.top + 2.5 * m.s, wheelBottom = seam - 3 * m.s;
  const bool rimmed = size >= 32;
  if (rimmed) {
    canvas.FillShape(
        0, 0, size, size, Hex(0x000000),
        RoundRect(m.cx - wheelHalf, wheelTop, m.cx + wheelHalf, wheelBottom, wheelHalf));
  }
  const double inner = rimmed ? wheelHalf - line : wheelHalf;
  const double edge = rimmed ? line : 0;
  const Shape wheel =
      RoundRect(m.cx - inner, wheelTop + edge, m.cx + inner, wheelBottom - edge, inner);
  canvas.FillShape(0, 0, size, size, Hex(0x00FFFF), wheel);
  canvas.FillShape(0, 0, size, size, Hex(0x008080), [&](double x, double y) {
    return wheel(x, y) && y >= wheelBottom - edge - 1.5 * m.s;
  });
  return WithAlpha(canvas, m);
}

// The hand of Hand(), smooth, with its hot spot where the fingertip lands at
// this size.
DeepImage DeepHand(int size) {
  const shapes::Hand hand(size);
  const double line = std::max(1.0, hand.s);
  Canvas canvas(size, size, Hex(0x000000));
  const auto inner = [&](double x, double y) { return hand.Inside(x, y, line); };
  canvas.FillShape(0, 0, size, size, Hex(0xC0C0C0), inner);
  canvas.FillShape(0, 0, size, size, Hex(0xFFFFFF),
                   [&](double x, double y) { return inner(x, y) && inner(x + line, y); });
  DeepImage image = WithAlpha(canvas, hand);
  image.hotspotX = ua::kHandHotspotX * size / 32;
  image.hotspotY = ua::kHandHotspotY * size / 32;
  return image;
}

}  // namespace

Files IconAssets() {
  Files files;
  std::vector<DeepImage> icons;
  for (int size : ua::kIconSizes) icons.push_back(DeepMouse(size));
  files[std::string(ua::kAppIcon.file)] = IconFile({MouseIcon(32), MouseIcon(16)}, icons);
  std::vector<DeepImage> hands;
  for (int size : ua::kCursorSizes) {
    if (size != 32) hands.push_back(DeepHand(size));
  }
  files[std::string(ua::kHandCursor.file)] = CursorFile(Hand(), hands);
  return files;
}

}  // namespace assetgen
