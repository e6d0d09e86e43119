// The main window's skin: a dark, rounded window with a slot painted under
// every control, the mask that cuts the window to shape, and the button
// pictures cut from the skin with their hover and pressed variants.
//
// The description is in pixels at 96 dpi (the window layout's twips divided
// by 15) and is drawn again at every density the program ships a set for.
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

// How far each of the body's first ten rows (and, mirrored, its last ten)
// starts inside the rectangle's left and right edges at 96 dpi.
constexpr std::array<int, 10> kCorner = {10, 8, 6, 5, 4, 3, 2, 2, 1, 1};

// The window body at a density: the 96-dpi rectangle from (12, 12) to
// (589, 539) inclusive, scaled, with the corner profile scaled too (read
// between its rows where a density's pixel centre falls between them).
class Body {
 public:
  explicit Body(int dpi)
      : left_(ua::PixelsAt(12, dpi)),
        top_(ua::PixelsAt(12, dpi)),
        right_(ua::PixelsAt(590, dpi) - 1),
        bottom_(ua::PixelsAt(540, dpi) - 1) {
    const double s = dpi / 96.0;
    for (int row = 0;; ++row) {
      const double t = (row + 0.5) / s - 0.5;  // the row's centre in 96-dpi rows
      if (t >= static_cast<double>(kCorner.size())) break;
      const auto at = [](std::size_t i) { return i < kCorner.size() ? kCorner[i] : 0; };
      double inset = kCorner[0];
      if (t > 0) {
        const auto i = static_cast<std::size_t>(t);
        inset = at(i) + (at(i + 1) - at(i)) * (t - static_cast<double>(i));
      }
      inset_.push_back(static_cast<int>(std::lround(inset * s)));
    }
  }

  bool Contains(int x, int y) const {
    if (y < top_ || y > bottom_) return false;
    const auto fromEdge = static_cast<std::size_t>(std::min(y - top_, bottom_ - y));
    const int inset = fromEdge < inset_.size() ? inset_[fromEdge] : 0;
    return x >= left_ + inset && x <= right_ - inset;
  }

 private:
  int left_;
  int top_;
  int right_;
  int bottom_;
  std::vector<int> inset_;
};

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

// The skin's type, set at the density's own pixel sizes.
struct Fonts {
  explicit Fonts(int dpi)
      : title{"DejaVuSans-Bold.ttf", ua::PixelsAt(20, dpi)},
        logo{"DejaVuSans-Bold.ttf", ua::PixelsAt(14, dpi)},
        heading{"DejaVuSans-Bold.ttf", ua::PixelsAt(12, dpi)},
        label{"DejaVuSans.ttf", ua::PixelsAt(12, dpi)},
        small{"DejaVuSans.ttf", ua::PixelsAt(11, dpi)},
        badge{"DejaVuSans-Bold.ttf", ua::PixelsAt(10, dpi)},
        button{"DejaVuSans-Bold.ttf", ua::PixelsAt(11, dpi)} {}
  Font title;
  Font logo;
  Font heading;
  Font label;
  Font small;
  Font badge;
  Font button;
};

// Paints the skin's description, written in 96-dpi pixels, at a density:
// coordinates and lengths are multiplied by the scale, shapes are sampled at
// the density's own pixels and text is set at the scaled size, so nothing is
// resampled. At 96 dpi every call is the unscaled one.
class Painter {
 public:
  Painter(Canvas& canvas, int dpi) : canvas_(canvas), dpi_(dpi), scale_(dpi / 96.0), fonts_(dpi) {}

  Canvas& canvas() { return canvas_; }
  const Fonts& fonts() const { return fonts_; }
  int dpi() const { return dpi_; }
  double S(double v) const { return v * scale_; }
  int Px(double v) const { return static_cast<int>(std::lround(v * scale_)); }

  void Fill(int x0, int y0, int x1, int y1, Color c) {
    canvas_.Fill(Px(x0), Px(y0), Px(x1), Px(y1), c);
  }
  void FillShape(int x0, int y0, int x1, int y1, Color c, const Shape& inside) {
    if (scale_ == 1.0) {
      canvas_.FillShape(x0, y0, x1, y1, c, inside);
      return;
    }
    const double s = scale_;
    canvas_.FillShape(static_cast<int>(std::floor(x0 * s)), static_cast<int>(std::floor(y0 * s)),
                      static_cast<int>(std::ceil(x1 * s)), static_cast<int>(std::ceil(y1 * s)), c,
                      [&inside, s](double x, double y) { return inside(x / s, y / s); });
  }
  void RoundRect(double x0, double y0, double x1, double y1, double radius, Color c) {
    FillRoundRect(canvas_, S(x0), S(y0), S(x1), S(y1), S(radius), c);
  }
  void Stroke(double x0, double y0, double x1, double y1, double radius, double width, Color c) {
    StrokeRoundRect(canvas_, S(x0), S(y0), S(x1), S(y1), S(radius), S(width), c);
  }
  void Line(double x0, double y0, double x1, double y1, double width, Color c) {
    DrawLine(canvas_, S(x0), S(y0), S(x1), S(y1), S(width), c);
  }
  void Text(const Font& font, double x, int baseline, std::string_view utf8, Color c,
            Align align = Align::Left, double tracking = 0) {
    DrawText(canvas_, font, S(x), Px(baseline), utf8, c, align, S(tracking));
  }

 private:
  Canvas& canvas_;
  int dpi_;
  double scale_;
  Fonts fonts_;
};

void Require(bool condition, const std::string& what) {
  if (!condition) throw std::runtime_error("skin layout: " + what);
}

// A section's panel with its heading and a short accent bar before it.
void Panel(Painter& p, int x0, int y0, int x1, int y1, const char* heading) {
  p.RoundRect(x0, y0, x1, y1, 6, kPanel);
  p.Stroke(x0, y0, x1, y1, 6, 1, kPanelEdge);
  p.Fill(x0 + 10, y0 + 9, x0 + 13, y0 + 20, kAccent);
  p.Text(p.fonts().heading, x0 + 18, y0 + 19, heading, kText);
}

// A recess one or more pixels larger than the control it lies under: the
// control's rectangle (x, y, w, h at 96 dpi) rounded at the density as the
// window rounds it, so the control covers the slot's floor exactly.
void Slot(Painter& p, int x, int y, int w, int h, int margin) {
  const double m = p.S(margin), edge = p.S(1);
  const double x0 = p.Px(x) - m, y0 = p.Px(y) - m;
  const double x1 = p.Px(x) + p.Px(w) + m, y1 = p.Px(y) + p.Px(h) + m;
  FillRoundRect(p.canvas(), x0, y0, x1, y1, p.S(3), kSlotEdge);
  FillRoundRect(p.canvas(), x0 + edge, y0 + edge, x1 - edge, y1 - edge, p.S(2), kSlot);
}

// A numbered disc, as the assignment list and the mouse picture use it.
void Badge(Painter& p, double cx, double cy, int number, bool active) {
  p.FillShape(static_cast<int>(cx) - 9, static_cast<int>(cy) - 9, static_cast<int>(cx) + 10,
              static_cast<int>(cy) + 10, active ? kAccent : kMuted, Ellipse(cx, cy, 7.5, 7.5));
  const Font& f = p.fonts().badge;
  DrawText(p.canvas(), f, p.S(cx), static_cast<int>(std::lround(p.S(cy) + f.Ascent() / 2.0)),
           std::to_string(number), kSlot, Align::Center);
}

// The maker's mark, a crescent with a dot, in the 30 x 30 box from (x0, y0).
void Mark(Painter& p, int x0, int y0) {
  const double cx = x0 + 14.5, cy = y0 + 14.5;
  p.FillShape(x0, y0, x0 + 30, y0 + 30, kAccent,
              Minus(Ellipse(cx, cy, 12, 12), Ellipse(cx + 4.5, cy - 3.5, 9, 9)));
  p.FillShape(x0, y0, x0 + 30, y0 + 30, kText, Ellipse(cx + 5, cy - 4, 3, 3));
}

// The window's title bar area: the maker's logo and the product lettering.
void Header(Painter& p) {
  // The logo lies inside the home-page button's picture, at least three
  // pixels from its left and right ends on a plain background: the picture is
  // drawn two pixels further right, at the button's own left edge, and must
  // meet the background there without a seam.
  const Font& logo = p.fonts().logo;
  Mark(p, 40, 24);
  const double tracking = 1.0;
  const int logoWidth = logo.Measure("OMBRIX", p.S(tracking));
  const ua::PixelRect area = ua::SkinArea(ua::kButtonPictures[5], p.dpi());
  Require(p.S(71) + logoWidth <= area.x + area.width - 3,
          "logo too wide: " + std::to_string(logoWidth));
  p.Text(logo, 71, 44, "OMBRIX", kText, Align::Left, tracking);

  p.Fill(158, 27, 159, 51, kPanelEdge);
  const Font& title = p.fonts().title;
  const int kv = title.Measure("KV-3050P ");
  p.Text(title, 170, 42, "KV-3050P ", kText);
  DrawText(p.canvas(), title, p.S(170) + kv, p.Px(42), "Setup", kAccent);
  p.Text(p.fonts().small, 171, 56, "Gaming mouse settings", kMuted);
}

// A skinned button's face in a picture whose visible part (the button's size,
// w x h pixels) starts at (x, y): rounded, one pixel inside that part on
// every side, so whatever lies around it in the skin is plain background.
enum class Face { Normal, Over, Down };

void TextButton(Canvas& c, double scale, int x, int y, int w, int h, const char* label, Face face,
                const Fonts& fonts) {
  const double x0 = x + 1, y0 = y + 1, x1 = x + w - 1, y1 = y + h - 1;
  const bool down = face == Face::Down;
  FillRoundRect(c, x0, y0, x1, y1, 4 * scale, down ? kPressedEdge : kFaceEdge);
  FillRoundRect(c, x0 + scale, y0 + scale, x1 - scale, y1 - scale, 3 * scale,
                down ? kPressedFace : kFace);
  const Color text = down ? kPressedText : face == Face::Over ? kFaceTextOver : kFaceText;
  const Font& f = fonts.button;
  DrawText(c, f, (x0 + x1) / 2, static_cast<int>(std::lround((y0 + y1) / 2 + f.Ascent() / 2.0)),
           label, text, Align::Center);
}

enum class Glyph { Minimise, Close };

// The square window buttons (15 x 15 at 96 dpi, w pixels at the density): a
// face filling the button with its glyph.
void WindowButton(Canvas& c, int x, int y, int w, Glyph glyph, Face face) {
  const double k = w / 15.0;
  const bool down = face == Face::Down;
  FillRoundRect(c, x, y, x + w, y + w, 3 * k, down ? kPressedEdge : kFaceEdge);
  FillRoundRect(c, x + k, y + k, x + w - k, y + w - k, 2 * k, down ? kPressedFace : kFace);
  const Color ink = down ? kPressedText : kFaceText;
  if (glyph == Glyph::Minimise) {
    DrawLine(c, x + 4 * k, y + 10 * k, x + 11 * k, y + 10 * k, 2.0 * k, ink);
  } else {
    DrawLine(c, x + 4.6 * k, y + 4.6 * k, x + 10.4 * k, y + 10.4 * k, 1.5 * k, ink);
    DrawLine(c, x + 10.4 * k, y + 4.6 * k, x + 4.6 * k, y + 10.4 * k, 1.5 * k, ink);
  }
}

constexpr double kMouseX = 438;  // the mouse's axis

// The mouse seen from above, all of it within (366, 94) to (510, 302).
// Returns where the side buttons stand out, for the callouts.
double Mouse(Painter& p) {
  const double cx = kMouseX, top = 96, bottom = 298;
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
  p.RoundRect(sideX - 5, 172, sideX + 6, 196, 4, kFaceEdge);
  p.RoundRect(sideX - 5, 200, sideX + 6, 224, 4, kFaceEdge);
  p.RoundRect(sideX - 4, 173, sideX + 5, 195, 3, Hex(0x3A4250));
  p.RoundRect(sideX - 4, 201, sideX + 5, 223, 3, Hex(0x3A4250));

  p.FillShape(x0, static_cast<int>(top) - 1, x1, static_cast<int>(bottom) + 2, Hex(0x5C6678), body);
  p.FillShape(x0, static_cast<int>(top) - 1, x1, static_cast<int>(bottom) + 2, Hex(0x2B313C),
              inner);
  // A soft sheen down the left half of the shell.
  p.FillShape(x0, static_cast<int>(top), x1, static_cast<int>(bottom), Hex(0x343B48),
              [=](double x, double y) { return inner(x, y) && x < cx - 6 && x > cx - 44; });

  // Left and right buttons: the seam down the middle and the line behind them.
  const double seamY = 192;
  p.FillShape(x0, static_cast<int>(seamY) - 2, x1, static_cast<int>(seamY) + 3, Hex(0x11141A),
              [=](double x, double y) {
                return inner(x, y) && std::abs(y - (seamY + 0.0006 * (x - cx) * (x - cx))) < 1.0;
              });
  p.FillShape(static_cast<int>(cx) - 2, static_cast<int>(top), static_cast<int>(cx) + 3,
              static_cast<int>(seamY) + 1, Hex(0x11141A), [=](double x, double y) {
                return inner(x, y) && std::abs(x - cx) < 0.9 && y < seamY;
              });

  // Wheel 3, and the two resolution buttons 6 and 7 behind it.
  p.RoundRect(cx - 8, 122, cx + 8, 160, 6, Hex(0x11141A));
  p.RoundRect(cx - 5, 125, cx + 5, 157, 5, Hex(0x3C4453));
  for (double y = 128.5; y < 155; y += 4) p.Line(cx - 3.5, y, cx + 3.5, y, 1.0, kAccentDark);
  p.RoundRect(cx - 6, 166, cx + 6, 174, 3, Hex(0x11141A));
  p.RoundRect(cx - 5, 167, cx + 5, 173, 2, kAccentDark);
  p.RoundRect(cx - 6, 177, cx + 6, 185, 3, Hex(0x11141A));
  p.RoundRect(cx - 5, 178, cx + 5, 184, 2, kAccentDark);

  // The maker's mark on the palm.
  p.FillShape(static_cast<int>(cx) - 12, 240, static_cast<int>(cx) + 13, 266, kAccent,
              Minus(Ellipse(cx, 253, 9, 9), Ellipse(cx + 3.5, 250.5, 6.8, 6.8)));
  return sideX;
}

// The mouse with its parts numbered as in the assignment list.
void MousePicture(Painter& p) {
  const double cx = kMouseX;
  const double sideX = Mouse(p);

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
    p.Line(k.bx + dir * 8, k.by, elbowX, k.by, 1.0, kMuted);
    p.Line(elbowX, k.by, k.px, k.py, 1.0, kMuted);
    p.FillShape(static_cast<int>(k.px) - 3, static_cast<int>(k.py) - 3, static_cast<int>(k.px) + 4,
                static_cast<int>(k.py) + 4, kText, Ellipse(k.px, k.py, 1.8, 1.8));
    Badge(p, k.bx, k.by, k.number, k.number <= 5);
  }
}

// The panel that assigns functions to the mouse's buttons: seven numbered
// rows, the first five with a slot for their combo box at (160, 112 + 28 i).
void Assignment(Painter& p) {
  Panel(p, 24, 72, 577, 312, "Button assignment");
  static constexpr std::array<const char*, 7> kNames = {
      "Left button", "Right button", "Scroll button", "Backward", "Forward", "DPI up", "DPI down"};
  const Font& label = p.fonts().label;
  for (int i = 0; i < 7; ++i) {
    const int y = 112 + 28 * i;
    Badge(p, 45.5, y + 10, i + 1, i < 5);
    p.Text(label, 60, y + 14, kNames[static_cast<std::size_t>(i)], i < 5 ? kText : kMuted);
    Require(p.S(60) + label.Measure(kNames[static_cast<std::size_t>(i)]) < p.S(156),
            "row label too wide");
    if (i < 5) {
      Slot(p, 160, y, 105, 20, 2);
    } else {
      // Resolution switching happens in the mouse itself: no combo box here.
      p.Stroke(158, y - 2, 267, y + 22, 3, 1, kPanelEdge);
      p.Text(p.fonts().small, 212.5, y + 14, "set on the mouse", kMuted, Align::Center);
    }
  }
  p.Fill(284, 96, 285, 302, kPanelEdge);
  MousePicture(p);
}

void PointerSpeed(Painter& p) {
  Panel(p, 24, 322, 577, 424, "Pointer speed");
  const Font& small = p.fonts().small;
  p.Text(small, 42, 366, "How far the pointer travels", kMuted);
  p.Text(small, 42, 379, "when you move the mouse.", kMuted);
  // The hint sits right of the hidden check box at (395, 370), above the
  // scale's right half.
  p.FillShape(393, 368, 410, 385, kAccent,
              Minus(Ellipse(401.5, 376.5, 6.5, 6.5), Ellipse(401.5, 376.5, 5.3, 5.3)));
  p.Fill(401, 375, 403, 380, kAccent);
  p.Fill(401, 372, 403, 374, kAccent);
  p.Text(small, 414, 366, "Acceleration is off for", kMuted);
  p.Text(small, 414, 379, "the best pointer accuracy.", kMuted);
  Require(p.S(414) + small.Measure("the best pointer accuracy.") <= p.S(568), "hint too wide");

  Slot(p, 37, 388, 531, 14, 3);
  p.Text(small, 37, 418, "0 (slower)", kText, Align::Left);
  p.Text(small, 37 + 531 / 2.0, 418, "10 (optimised speed)", kText, Align::Center);
  p.Text(small, 568, 418, "20 (faster)", kText, Align::Right);
  p.Fill(302, 405, 303, 408, kMuted);
}

void DoubleClick(Painter& p) {
  Panel(p, 24, 430, 296, 498, "Double-click speed");
  Slot(p, 38, 454, 246, 14, 3);
  p.Text(p.fonts().small, 38, 487, "Slower", kText, Align::Left);
  p.Text(p.fonts().small, 284, 487, "Faster", kText, Align::Right);
}

void WheelScroll(Painter& p) {
  Panel(p, 305, 430, 577, 498, "Wheel scroll speed");
  Slot(p, 321, 455, 246, 14, 3);
  const Font& small = p.fonts().small;
  p.Text(small, 321, 487, "1 row", kText, Align::Left);
  p.Text(small, 567, 487, "20 rows", kText, Align::Right);
  // The default sits near the left end: a caret above its label marks it.
  const double caretX = 366.5;
  p.FillShape(360, 472, 374, 478, kAccent, [=](double x, double y) {
    return y >= 473.5 && y <= 477 && std::abs(x - caretX) <= (y - 473.5) * 1.1;
  });
  p.Text(small, 362, 487, "3 rows (default)", kAccent, Align::Left);
  Require(p.S(321) + small.Measure("1 row") + p.S(6) < p.S(362), "scroll labels collide");
}

// The outline: a light rim on the body's edge pixels, a darker one inside it,
// each as many pixels wide as the density has pixels for one at 96 dpi.
void Outline(Canvas& c, const Body& body, int width) {
  const auto near = [&](int x, int y, int from, int to) {
    for (int d = from; d <= to; ++d) {
      if (!body.Contains(x - d, y) || !body.Contains(x + d, y) || !body.Contains(x, y - d) ||
          !body.Contains(x, y + d)) {
        return true;
      }
    }
    return false;
  };
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      if (!body.Contains(x, y)) continue;
      if (near(x, y, 1, width)) {
        c.At(x, y) = kOutline;
      } else if (near(x, y, width + 1, 2 * width)) {
        c.At(x, y) = kRim;
      }
    }
  }
}

std::vector<std::uint16_t> Quantise(const Canvas& c, const Body& body) {
  std::vector<std::uint16_t> out = To555(c);
  const std::uint16_t yellow = To555(kYellow);
  const auto width = static_cast<std::size_t>(c.Width());
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      std::uint16_t& p = out[static_cast<std::size_t>(y) * width + static_cast<std::size_t>(x)];
      if (!body.Contains(x, y)) {
        p = yellow;
      } else if (p == yellow) {
        throw std::runtime_error("the skin's body uses the cut-away yellow");
      }
    }
  }
  return out;
}

std::vector<std::uint16_t> Crop(const std::vector<std::uint16_t>& skin, int skinWidth,
                                const ua::PixelRect& r) {
  std::vector<std::uint16_t> out;
  for (int j = 0; j < r.height; ++j) {
    for (int i = 0; i < r.width; ++i) {
      out.push_back(skin[static_cast<std::size_t>(r.y + j) * static_cast<std::size_t>(skinWidth) +
                         static_cast<std::size_t>(r.x + i)]);
    }
  }
  return out;
}

// One picture of the set for dpi: at 96 dpi the bitmap the asset table
// names, elsewhere a run-length bitmap (a fifth of the raw size, and decoded
// at start-up without a codec).
void Put(Files& files, const ua::Asset& asset, int dpi, int width, int height,
         const std::vector<std::uint16_t>& pixels) {
  files[ua::FileAt(asset, dpi)] =
      dpi == 96 ? Bitmap16(width, height, pixels) : BitmapRle8(width, height, pixels);
}

// The skin, the mask and the button pictures drawn for one density.
void SkinSet(int dpi, Files& files) {
  const int width = ua::SkinWidthAt(dpi), height = ua::SkinHeightAt(dpi);
  const Body body(dpi);
  Canvas skin(width, height, kBackground);
  Painter p(skin, dpi);
  const double scale = dpi / 96.0;
  Header(p);
  Assignment(p);
  PointerSpeed(p);
  DoubleClick(p);
  WheelScroll(p);
  p.Text(p.fonts().small, 40, 522, "www.ombrix.com", kMuted);

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
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) plain.At(x, y) = From555(To555(plain.At(x, y)));
  }
  // The visible part of a button's picture: the button's size at the density.
  const auto visible = [dpi](const ua::ButtonPictures& b) {
    return std::pair{ua::TwipsAt(b.control.width, dpi), ua::TwipsAt(b.control.height, dpi)};
  };
  for (const Text& t : texts) {
    const ua::PixelRect area = ua::SkinArea(t.pictures, dpi);
    const auto [w, h] = visible(t.pictures);
    TextButton(skin, scale, area.x, area.y, w, h, t.label, Face::Normal, p.fonts());
  }
  const std::array<std::pair<ua::ButtonPictures, Glyph>, 2> windowButtons{
      {{ua::kButtonPictures[0], Glyph::Minimise}, {ua::kButtonPictures[1], Glyph::Close}}};
  for (const auto& [b, glyph] : windowButtons) {
    const ua::PixelRect area = ua::SkinArea(b, dpi);
    WindowButton(skin, area.x, area.y, area.width, glyph, Face::Normal);
  }
  Outline(skin, body, std::max(1, static_cast<int>(std::lround(scale))));

  const std::vector<std::uint16_t> pixels = Quantise(skin, body);
  Put(files, ua::kSkin, dpi, width, height, pixels);

  std::vector<std::uint16_t> mask(pixels.size());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      mask[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x)] = body.Contains(x, y) ? To555(kBlack) : To555(kWhite);
    }
  }
  Put(files, ua::kSkinMask, dpi, width, height, mask);

  for (const ua::ButtonPictures& b : ua::kButtonPictures) {
    const ua::PixelRect area = ua::SkinArea(b, dpi);
    Put(files, b.picture, dpi, area.width, area.height, Crop(pixels, width, area));
  }
  for (const Text& t : texts) {
    const ua::ButtonPictures& b = t.pictures;
    const ua::PixelRect area = ua::SkinArea(b, dpi);
    const auto [w, h] = visible(b);
    Canvas over = plain.Crop(area.x, area.y, area.width, area.height);
    TextButton(over, scale, 0, 0, w, h, t.label, Face::Over, p.fonts());
    if (dpi == 96 && b.over.bitsPerPixel == 24) {
      files[std::string(b.over.file)] = Bitmap24(over);
    } else {
      Put(files, b.over, dpi, area.width, area.height, To555(over));
    }
    Canvas down = plain.Crop(area.x, area.y, area.width, area.height);
    TextButton(down, scale, 0, 0, w, h, t.label, Face::Down, p.fonts());
    Put(files, b.down, dpi, area.width, area.height, To555(down));
  }
  for (const auto& [b, glyph] : windowButtons) {
    const ua::PixelRect area = ua::SkinArea(b, dpi);
    Canvas down = plain.Crop(area.x, area.y, area.width, area.height);
    WindowButton(down, 0, 0, area.width, glyph, Face::Down);
    Put(files, b.down, dpi, area.width, area.height, To555(down));
  }
}

// The installer's pictures for one density, in full colour as its pages load
// them: the header at the right of the pages' white band (150 x 57 at 96 dpi)
// and the tall picture at the left of the last page (164 x 314).
void InstallerSet(int dpi, Files& files) {
  const std::string suffix = dpi == 96 ? "" : "@" + std::to_string(dpi);
  const auto fits = [&](const Painter& p, const Font& font, double x, std::string_view text,
                        double right, const char* what) {
    Require(p.S(x) + font.Measure(text) <= p.S(right),
            std::string(what) + " too wide: " + std::to_string(font.Measure(text)));
  };

  Canvas header(ua::PixelsAt(150, dpi), ua::PixelsAt(57, dpi), kBackground);
  Painter h(header, dpi);
  Mark(h, 10, 13);
  const Font& logo = h.fonts().logo;
  h.Text(logo, 48, 27, "KV-3050P", kText);
  h.Text(logo, 48, 45, "Setup", kAccent);
  fits(h, logo, 48, "KV-3050P", 144, "header lettering");
  files["header" + suffix + ".bmp"] = Bitmap24(header);

  Canvas wizard(ua::PixelsAt(164, dpi), ua::PixelsAt(314, dpi), kBackground);
  Painter w(wizard, dpi);
  Mark(w, 14, 14);
  w.Text(w.fonts().logo, 46, 34, "OMBRIX", kText, Align::Left, 1.0);
  w.Fill(16, 56, 148, 57, kPanelEdge);
  const int product = logo.Measure("KV-3050P ");
  w.Text(logo, 16, 80, "KV-3050P ", kText);
  DrawText(wizard, logo, w.S(16) + product, w.Px(80), "Setup", kAccent);
  fits(w, logo, 16, "KV-3050P Setup", 156, "wizard lettering");
  w.Text(w.fonts().small, 16, 97, "Gaming mouse settings", kMuted);
  fits(w, w.fonts().small, 16, "Gaming mouse settings", 156, "wizard subtitle");
  // The mouse is drawn where the skin has it, then moved: the same shapes at
  // the same pixel phase as in the window.
  Canvas scratch(ua::SkinWidthAt(dpi), ua::SkinHeightAt(dpi), kBackground);
  Painter m(scratch, dpi);
  Mouse(m);
  // Its tail runs off the bottom edge.
  const int top = w.Px(108);
  wizard.Paste(scratch.Crop(m.Px(366), m.Px(94), m.Px(510) - m.Px(366),
                            std::min(m.Px(302) - m.Px(94), wizard.Height() - top)),
               w.Px(10), top);
  files["wizard" + suffix + ".bmp"] = Bitmap24(wizard);
}

}  // namespace

Files InstallerAssets() {
  Files files;
  for (int dpi : ua::kDpis) InstallerSet(dpi, files);
  return files;
}

Files SkinAssets() {
  Files files;
  for (int dpi : ua::kDpis) SkinSet(dpi, files);
  return files;
}

}  // namespace assetgen
