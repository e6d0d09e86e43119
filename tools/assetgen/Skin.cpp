// The main window's skin: a dark, rounded window with a slot painted under
// every control, the mask that cuts the window to shape, and the button
// pictures cut from the skin with their hover and pressed variants.
//
// Control rectangles are the window layout's twips divided by 15 (96 dpi).
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "Assets.h"
#include "Font.h"
#include "ui/Assets.h"

namespace assetgen {
namespace {

namespace ua = ui::assets;

constexpr int kW = ua::kSkinWidth;
constexpr int kH = ua::kSkinHeight;

// The window body, inclusive, and how far each of its first ten rows (and,
// mirrored, its last ten) starts inside the rectangle's left and right edges.
constexpr int kBodyLeft = 12;
constexpr int kBodyTop = 12;
constexpr int kBodyRight = 589;
constexpr int kBodyBottom = 539;
constexpr std::array<int, 10> kCorner = {10, 8, 6, 5, 4, 3, 2, 2, 1, 1};

bool InBody(int x, int y) {
  if (y < kBodyTop || y > kBodyBottom) return false;
  const int fromEdge = std::min(y - kBodyTop, kBodyBottom - y);
  const int inset = fromEdge < 10 ? kCorner[static_cast<std::size_t>(fromEdge)] : 0;
  return x >= kBodyLeft + inset && x <= kBodyRight - inset;
}

constexpr Color kYellow = Hex(0xFFFF00);
constexpr Color kWhite = Hex(0xFFFFFF);
constexpr Color kBlack = Hex(0x000000);

// The window's palette: graphite with a cool blue accent.
constexpr Color kBackground = Hex(0x171A20);
constexpr Color kOutline = Hex(0x454D5C);
constexpr Color kRim = Hex(0x23272F);
constexpr Color kPanel = Hex(0x1F232B);
constexpr Color kPanelEdge = Hex(0x323846);
constexpr Color kSlot = Hex(0x0D0F13);
constexpr Color kSlotEdge = Hex(0x3E4655);
constexpr Color kText = Hex(0xE4E8EE);
constexpr Color kMuted = Hex(0x8A94A4);
constexpr Color kAccent = Hex(0x38B2E8);
constexpr Color kAccentDark = Hex(0x1C5E7E);
constexpr Color kFace = Hex(0x2A303B);
constexpr Color kFaceEdge = Hex(0x525B6C);
constexpr Color kFaceText = Hex(0xBFC6D1);
constexpr Color kFaceTextOver = Hex(0xFFFFFF);
constexpr Color kPressedFace = Hex(0xC9CED6);
constexpr Color kPressedEdge = Hex(0xE6E9EE);
constexpr Color kPressedText = Hex(0x161A20);

struct Fonts {
  Font title{"DejaVuSans-Bold.ttf", 20};
  Font logo{"DejaVuSans-Bold.ttf", 14};
  Font heading{"DejaVuSans-Bold.ttf", 12};
  Font label{"DejaVuSans.ttf", 12};
  Font small{"DejaVuSans.ttf", 11};
  Font badge{"DejaVuSans-Bold.ttf", 10};
  Font button{"DejaVuSans-Bold.ttf", 11};
};

const Fonts& TheFonts() {
  static const Fonts fonts;
  return fonts;
}

void Require(bool condition, const std::string& what) {
  if (!condition) throw std::runtime_error("skin layout: " + what);
}

// A section's panel with its heading and a short accent bar before it.
void Panel(Canvas& c, int x0, int y0, int x1, int y1, const char* heading) {
  FillRoundRect(c, x0, y0, x1, y1, 6, kPanel);
  StrokeRoundRect(c, x0, y0, x1, y1, 6, 1, kPanelEdge);
  c.Fill(x0 + 10, y0 + 9, x0 + 13, y0 + 20, kAccent);
  DrawText(c, TheFonts().heading, x0 + 18, y0 + 19, heading, kText);
}

// A recess one or more pixels larger than the control it lies under.
void Slot(Canvas& c, int x, int y, int w, int h, int margin) {
  const double x0 = x - margin, y0 = y - margin, x1 = x + w + margin, y1 = y + h + margin;
  FillRoundRect(c, x0, y0, x1, y1, 3, kSlotEdge);
  FillRoundRect(c, x0 + 1, y0 + 1, x1 - 1, y1 - 1, 2, kSlot);
}

// A numbered disc, as the assignment list and the mouse picture use it.
void Badge(Canvas& c, double cx, double cy, int number, bool active) {
  c.FillShape(static_cast<int>(cx) - 9, static_cast<int>(cy) - 9, static_cast<int>(cx) + 10,
              static_cast<int>(cy) + 10, active ? kAccent : kMuted, Ellipse(cx, cy, 7.5, 7.5));
  const Font& f = TheFonts().badge;
  DrawText(c, f, cx, static_cast<int>(std::lround(cy + f.Ascent() / 2.0)), std::to_string(number),
           kSlot, Align::Center);
}

// The window's title bar area: the maker's logo and the product lettering.
void Header(Canvas& c) {
  // The logo lies inside the home-page button's picture (107 x 32 at (38, 23)),
  // at least three pixels from its left and right ends on a plain background:
  // the picture is drawn two pixels further right, at the button's own left
  // edge, and must meet the background there without a seam.
  const Font& logo = TheFonts().logo;
  const double cx = 54.5, cy = 38.5;
  c.FillShape(40, 24, 70, 54, kAccent,
              Minus(Ellipse(cx, cy, 12, 12), Ellipse(cx + 4.5, cy - 3.5, 9, 9)));
  c.FillShape(40, 24, 70, 54, kText, Ellipse(cx + 5, cy - 4, 3, 3));
  const double tracking = 1.0;
  const int logoWidth = logo.Measure("OMBRIX", tracking);
  Require(71 + logoWidth <= 38 + 107 - 3, "logo too wide: " + std::to_string(logoWidth));
  DrawText(c, logo, 71, 44, "OMBRIX", kText, Align::Left, tracking);

  c.Fill(158, 27, 159, 51, kPanelEdge);
  const Font& title = TheFonts().title;
  const int kv = title.Measure("KV-3050P ");
  DrawText(c, title, 170, 42, "KV-3050P ", kText);
  DrawText(c, title, 170 + kv, 42, "Setup", kAccent);
  DrawText(c, TheFonts().small, 171, 56, "Gaming mouse settings", kMuted);
}

// A skinned button's face in a picture-sized area at (x, y): rounded, one
// pixel inside the visible part of the picture on every side, so whatever
// lies around it in the skin is plain background.
enum class Face { Normal, Over, Down };

void TextButton(Canvas& c, int x, int y, const char* label, Face face) {
  const double x0 = x + 1, y0 = y + 1, x1 = x + 56, y1 = y + 22;
  const bool down = face == Face::Down;
  FillRoundRect(c, x0, y0, x1, y1, 4, down ? kPressedEdge : kFaceEdge);
  FillRoundRect(c, x0 + 1, y0 + 1, x1 - 1, y1 - 1, 3, down ? kPressedFace : kFace);
  const Color text = down ? kPressedText : face == Face::Over ? kFaceTextOver : kFaceText;
  const Font& f = TheFonts().button;
  DrawText(c, f, (x0 + x1) / 2, static_cast<int>(std::lround((y0 + y1) / 2 + f.Ascent() / 2.0)),
           label, text, Align::Center);
}

enum class Glyph { Minimise, Close };

// The 15 x 15 window buttons: a square face filling the button with its glyph.
void WindowButton(Canvas& c, int x, int y, Glyph glyph, Face face) {
  const bool down = face == Face::Down;
  FillRoundRect(c, x, y, x + 15, y + 15, 3, down ? kPressedEdge : kFaceEdge);
  FillRoundRect(c, x + 1, y + 1, x + 14, y + 14, 2, down ? kPressedFace : kFace);
  const Color ink = down ? kPressedText : kFaceText;
  if (glyph == Glyph::Minimise) {
    DrawLine(c, x + 4, y + 10, x + 11, y + 10, 2.0, ink);
  } else {
    DrawLine(c, x + 4.6, y + 4.6, x + 10.4, y + 10.4, 1.5, ink);
    DrawLine(c, x + 10.4, y + 4.6, x + 4.6, y + 10.4, 1.5, ink);
  }
}

// The mouse seen from above, its parts numbered as in the assignment list.
void MousePicture(Canvas& c) {
  const double cx = 438, top = 96, bottom = 298;
  const double cy = (top + bottom) / 2, b = (bottom - top) / 2;
  // A rounded body, a little narrower at the front.
  const auto widthAt = [=](double y) { return 58 + 8 * ((y - cy) / b); };
  const Shape body = [=](double x, double y) {
    const double v = std::abs(y - cy) / b;
    const double u = std::abs(x - cx) / widthAt(y);
    return std::pow(u, 2.6) + std::pow(v, 2.2) <= 1.0;
  };
  const Shape inner = [=](double x, double y) {
    const double v = std::abs(y - cy) / (b - 2);
    const double u = std::abs(x - cx) / (widthAt(y) - 2);
    return std::pow(u, 2.6) + std::pow(v, 2.2) <= 1.0;
  };
  const int x0 = static_cast<int>(cx - 70), x1 = static_cast<int>(cx + 70);

  // Side buttons 4 and 5 stand out of the left flank.
  const double sideX = cx - widthAt(190) + 1;
  FillRoundRect(c, sideX - 5, 172, sideX + 6, 196, 4, kFaceEdge);
  FillRoundRect(c, sideX - 5, 200, sideX + 6, 224, 4, kFaceEdge);
  FillRoundRect(c, sideX - 4, 173, sideX + 5, 195, 3, Hex(0x3A4250));
  FillRoundRect(c, sideX - 4, 201, sideX + 5, 223, 3, Hex(0x3A4250));

  c.FillShape(x0, static_cast<int>(top) - 1, x1, static_cast<int>(bottom) + 2, Hex(0x5C6678), body);
  c.FillShape(x0, static_cast<int>(top) - 1, x1, static_cast<int>(bottom) + 2, Hex(0x2B313C),
              inner);
  // A soft sheen down the left half of the shell.
  c.FillShape(x0, static_cast<int>(top), x1, static_cast<int>(bottom), Hex(0x343B48),
              [=](double x, double y) { return inner(x, y) && x < cx - 6 && x > cx - 44; });

  // Left and right buttons: the seam down the middle and the line behind them.
  const double seamY = 192;
  c.FillShape(x0, static_cast<int>(seamY) - 2, x1, static_cast<int>(seamY) + 3, Hex(0x11141A),
              [=](double x, double y) {
                return inner(x, y) && std::abs(y - (seamY + 0.0006 * (x - cx) * (x - cx))) < 1.0;
              });
  c.FillShape(static_cast<int>(cx) - 2, static_cast<int>(top), static_cast<int>(cx) + 3,
              static_cast<int>(seamY) + 1, Hex(0x11141A), [=](double x, double y) {
                return inner(x, y) && std::abs(x - cx) < 0.9 && y < seamY;
              });

  // Wheel 3, and the two resolution buttons 6 and 7 behind it.
  FillRoundRect(c, cx - 8, 122, cx + 8, 160, 6, Hex(0x11141A));
  FillRoundRect(c, cx - 5, 125, cx + 5, 157, 5, Hex(0x3C4453));
  for (double y = 128.5; y < 155; y += 4) DrawLine(c, cx - 3.5, y, cx + 3.5, y, 1.0, kAccentDark);
  FillRoundRect(c, cx - 6, 166, cx + 6, 174, 3, Hex(0x11141A));
  FillRoundRect(c, cx - 5, 167, cx + 5, 173, 2, kAccentDark);
  FillRoundRect(c, cx - 6, 177, cx + 6, 185, 3, Hex(0x11141A));
  FillRoundRect(c, cx - 5, 178, cx + 5, 184, 2, kAccentDark);

  // The maker's mark on the palm.
  c.FillShape(static_cast<int>(cx) - 12, 240, static_cast<int>(cx) + 13, 266, kAccent,
              Minus(Ellipse(cx, 253, 9, 9), Ellipse(cx + 3.5, 250.5, 6.8, 6.8)));

  // Numbers with leader lines to their parts.
  struct Callout {
    int number;
    double bx, by;  // badge centre
    double px, py;  // the part
  };
  const std::array<Callout, 7> callouts{{
      {1, 322, 118, 404, 140},
      {2, 556, 118, 472, 140},
      {3, 556, 88, cx + 6, 128},
      {4, 322, 184, sideX - 4, 184},
      {5, 322, 212, sideX - 4, 212},
      {6, 556, 160, cx + 6, 170},
      {7, 556, 194, cx + 6, 181},
  }};
  for (const Callout& k : callouts) {
    const double dir = k.px > k.bx ? 1 : -1;
    const double elbowX = k.bx + dir * 22;
    DrawLine(c, k.bx + dir * 8, k.by, elbowX, k.by, 1.0, kMuted);
    DrawLine(c, elbowX, k.by, k.px, k.py, 1.0, kMuted);
    c.FillShape(static_cast<int>(k.px) - 3, static_cast<int>(k.py) - 3, static_cast<int>(k.px) + 4,
                static_cast<int>(k.py) + 4, kText, Ellipse(k.px, k.py, 1.8, 1.8));
    Badge(c, k.bx, k.by, k.number, k.number <= 5);
  }
}

// The panel that assigns functions to the mouse's buttons: seven numbered
// rows, the first five with a slot for their combo box at (160, 112 + 28 i).
void Assignment(Canvas& c) {
  Panel(c, 24, 72, 577, 312, "Button assignment");
  static constexpr std::array<const char*, 7> kNames = {
      "Left button", "Right button", "Scroll button", "Backward", "Forward", "DPI up", "DPI down"};
  const Font& label = TheFonts().label;
  for (int i = 0; i < 7; ++i) {
    const int y = 112 + 28 * i;
    Badge(c, 45.5, y + 10, i + 1, i < 5);
    DrawText(c, label, 60, y + 14, kNames[static_cast<std::size_t>(i)], i < 5 ? kText : kMuted);
    Require(60 + label.Measure(kNames[static_cast<std::size_t>(i)]) < 156, "row label too wide");
    if (i < 5) {
      Slot(c, 160, y, 105, 20, 2);
    } else {
      // Resolution switching happens in the mouse itself: no combo box here.
      StrokeRoundRect(c, 158, y - 2, 267, y + 22, 3, 1, kPanelEdge);
      DrawText(c, TheFonts().small, 212.5, y + 14, "set on the mouse", kMuted, Align::Center);
    }
  }
  c.Fill(284, 96, 285, 302, kPanelEdge);
  MousePicture(c);
}

void PointerSpeed(Canvas& c) {
  Panel(c, 24, 322, 577, 424, "Pointer speed");
  const Font& small = TheFonts().small;
  DrawText(c, small, 42, 366, "How far the pointer travels", kMuted);
  DrawText(c, small, 42, 379, "when you move the mouse.", kMuted);
  // The hint sits right of the hidden check box at (395, 370), above the
  // scale's right half.
  c.FillShape(393, 368, 410, 385, kAccent,
              Minus(Ellipse(401.5, 376.5, 6.5, 6.5), Ellipse(401.5, 376.5, 5.3, 5.3)));
  c.Fill(401, 375, 403, 380, kAccent);
  c.Fill(401, 372, 403, 374, kAccent);
  DrawText(c, small, 414, 366, "Acceleration is off for", kMuted);
  DrawText(c, small, 414, 379, "the best pointer accuracy.", kMuted);
  Require(414 + small.Measure("the best pointer accuracy.") <= 568, "hint too wide");

  Slot(c, 37, 388, 531, 14, 3);
  DrawText(c, small, 37, 418, "0 (slower)", kText, Align::Left);
  DrawText(c, small, 37 + 531 / 2.0, 418, "10 (optimised speed)", kText, Align::Center);
  DrawText(c, small, 568, 418, "20 (faster)", kText, Align::Right);
  c.Fill(302, 405, 303, 408, kMuted);
}

void DoubleClick(Canvas& c) {
  Panel(c, 24, 430, 296, 498, "Double-click speed");
  Slot(c, 38, 454, 246, 14, 3);
  DrawText(c, TheFonts().small, 38, 487, "Slower", kText, Align::Left);
  DrawText(c, TheFonts().small, 284, 487, "Faster", kText, Align::Right);
}

void WheelScroll(Canvas& c) {
  Panel(c, 305, 430, 577, 498, "Wheel scroll speed");
  Slot(c, 321, 455, 246, 14, 3);
  const Font& small = TheFonts().small;
  DrawText(c, small, 321, 487, "1 row", kText, Align::Left);
  DrawText(c, small, 567, 487, "20 rows", kText, Align::Right);
  // The default sits near the left end: a caret above its label marks it.
  const double caretX = 366.5;
  c.FillShape(360, 472, 374, 478, kAccent, [=](double x, double y) {
    return y >= 473.5 && y <= 477 && std::abs(x - caretX) <= (y - 473.5) * 1.1;
  });
  DrawText(c, small, 362, 487, "3 rows (default)", kAccent, Align::Left);
  Require(321 + small.Measure("1 row") + 6 < 362, "scroll labels collide");
}

// The outline: a light rim on the body's edge pixels, a darker one inside it.
void Outline(Canvas& c) {
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      if (!InBody(x, y)) continue;
      const bool edge =
          !InBody(x - 1, y) || !InBody(x + 1, y) || !InBody(x, y - 1) || !InBody(x, y + 1);
      if (edge) {
        c.At(x, y) = kOutline;
      } else if (!InBody(x - 2, y) || !InBody(x + 2, y) || !InBody(x, y - 2) || !InBody(x, y + 2)) {
        c.At(x, y) = kRim;
      }
    }
  }
}

std::vector<std::uint16_t> Quantise(const Canvas& c) {
  std::vector<std::uint16_t> out = To555(c);
  const std::uint16_t yellow = To555(kYellow);
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      std::uint16_t& p = out[static_cast<std::size_t>(y) * kW + static_cast<std::size_t>(x)];
      if (!InBody(x, y)) {
        p = yellow;
      } else if (p == yellow) {
        throw std::runtime_error("the skin's body uses the cut-away yellow");
      }
    }
  }
  return out;
}

std::vector<std::uint16_t> Crop(const std::vector<std::uint16_t>& skin, int x, int y, int w,
                                int h) {
  std::vector<std::uint16_t> out;
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      out.push_back(skin[static_cast<std::size_t>(y + j) * kW + static_cast<std::size_t>(x + i)]);
    }
  }
  return out;
}

}  // namespace

Files SkinAssets() {
  Canvas skin(kW, kH, kBackground);
  Header(skin);
  Assignment(skin);
  PointerSpeed(skin);
  DoubleClick(skin);
  WheelScroll(skin);
  DrawText(skin, TheFonts().small, 40, 522, "www.ombrix.com", kMuted);

  // The button faces are painted last: their variants are painted the same
  // way over a copy of the same background.
  struct Text {
    ua::ButtonPictures pictures;
    const char* label;
  };
  const std::array<Text, 3> texts{{{ua::kButtonPictures[2], "OK"},
                                   {ua::kButtonPictures[3], "Cancel"},
                                   {ua::kButtonPictures[4], "Apply"}}};
  // The variants start from the skin as stored, so that where they show
  // background it is the skin's own colour, whatever depth they are stored in.
  Canvas plain = skin;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) plain.At(x, y) = From555(To555(plain.At(x, y)));
  }
  for (const Text& t : texts)
    TextButton(skin, t.pictures.skinX, t.pictures.skinY, t.label, Face::Normal);
  WindowButton(skin, 544, 22, Glyph::Minimise, Face::Normal);
  WindowButton(skin, 563, 22, Glyph::Close, Face::Normal);
  Outline(skin);

  const std::vector<std::uint16_t> pixels = Quantise(skin);
  Files files;
  files[std::string(ua::kSkin.file)] = Bitmap16(kW, kH, pixels);

  std::vector<std::uint16_t> mask(pixels.size());
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      mask[static_cast<std::size_t>(y) * kW + static_cast<std::size_t>(x)] =
          InBody(x, y) ? To555(kBlack) : To555(kWhite);
    }
  }
  files[std::string(ua::kSkinMask.file)] = Bitmap16(kW, kH, mask);

  for (const ua::ButtonPictures& b : ua::kButtonPictures) {
    files[std::string(b.picture.file)] =
        Bitmap16(b.width, b.height, Crop(pixels, b.skinX, b.skinY, b.width, b.height));
  }
  for (const Text& t : texts) {
    const auto& p = t.pictures;
    Canvas over = plain.Crop(p.skinX, p.skinY, p.width, p.height);
    TextButton(over, 0, 0, t.label, Face::Over);
    files[std::string(p.over.file)] =
        p.over.bitsPerPixel == 24 ? Bitmap24(over) : Bitmap16(p.width, p.height, To555(over));
    Canvas down = plain.Crop(p.skinX, p.skinY, p.width, p.height);
    TextButton(down, 0, 0, t.label, Face::Down);
    files[std::string(p.down.file)] = Bitmap16(p.width, p.height, To555(down));
  }
  for (const auto& [p, glyph] : {std::pair{ua::kButtonPictures[0], Glyph::Minimise},
                                 std::pair{ua::kButtonPictures[1], Glyph::Close}}) {
    Canvas down = plain.Crop(p.skinX, p.skinY, p.width, p.height);
    WindowButton(down, 0, 0, glyph, Face::Down);
    files[std::string(p.down.file)] = Bitmap16(p.width, p.height, To555(down));
  }
  return files;
}

}  // namespace assetgen
