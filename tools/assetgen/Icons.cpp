// The application icon (a computer mouse, 32 x 32 and 16 x 16) and the hand
// cursor, as 16-colour pixel art on the VGA palette.
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Assets.h"
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

}  // namespace

Files IconAssets() {
  Files files;
  files[std::string(ua::kAppIcon.file)] = IconFile({MouseIcon(32), MouseIcon(16)});
  files[std::string(ua::kHandCursor.file)] = CursorFile(Hand());
  return files;
}

}  // namespace assetgen
