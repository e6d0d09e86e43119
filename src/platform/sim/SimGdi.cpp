#include "platform/sim/SimGdi.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/PixelRuns.h"

namespace sim {
namespace {

constexpr win::COLORREF kRgbMask = 0x00FFFFFF;

// A DIB pixel (0x00RRGGBB) and a COLORREF (0x00BBGGRR) differ in byte order.
win::COLORREF DibToColorRef(std::uint32_t pixel) { return platform::SwapRedBlue(pixel); }
std::uint32_t ColorRefToDib(win::COLORREF color) { return platform::SwapRedBlue(color); }

// A colour drawn into a monochrome bitmap becomes the nearer of black and white.
win::COLORREF ToMono(win::COLORREF color) {
  const int r = static_cast<int>(color & 0xFF);
  const int g = static_cast<int>((color >> 8) & 0xFF);
  const int b = static_cast<int>((color >> 16) & 0xFF);
  const int toBlack = r * r + g * g + b * b;
  const int toWhite = (255 - r) * (255 - r) + (255 - g) * (255 - g) + (255 - b) * (255 - b);
  return toWhite <= toBlack ? 1 : 0;
}

// The Windows 10 default system colours, by index.
const win::COLORREF kSysColors[win::COLOR_COUNT] = {
    win::RGB(200, 200, 200), win::RGB(0, 0, 0),       win::RGB(153, 180, 209),
    win::RGB(191, 205, 219), win::RGB(240, 240, 240), win::RGB(255, 255, 255),
    win::RGB(100, 100, 100), win::RGB(0, 0, 0),       win::RGB(0, 0, 0),
    win::RGB(0, 0, 0),       win::RGB(180, 180, 180), win::RGB(244, 247, 252),
    win::RGB(171, 171, 171), win::RGB(0, 120, 215),   win::RGB(255, 255, 255),
    win::RGB(240, 240, 240), win::RGB(160, 160, 160), win::RGB(109, 109, 109),
    win::RGB(0, 0, 0),       win::RGB(0, 0, 0),       win::RGB(255, 255, 255),
    win::RGB(105, 105, 105), win::RGB(227, 227, 227), win::RGB(0, 0, 0),
    win::RGB(255, 255, 225), win::RGB(0, 0, 0),       win::RGB(0, 102, 204),
    win::RGB(185, 209, 234), win::RGB(215, 228, 242), win::RGB(0, 120, 215),
    win::RGB(240, 240, 240)};

}  // namespace

SimGdi::SimGdi() : sysColors_(std::begin(kSysColors), std::end(kSysColors)) {
  auto stock = [this](Object object) {
    object.stock = true;
    const win::HGDIOBJ handle = next_++;
    stock_.emplace(handle, std::move(object));
    return handle;
  };
  Object bitmap(Kind::Bitmap);
  bitmap.bitmap = Bitmap{1, 1, 1, {0}};
  stockBitmap_ = stock(bitmap);
  Object pen(Kind::Pen);
  pen.pen.color = 0;
  stockPen_ = stock(pen);
  Object brush(Kind::Brush);
  brush.brush.color = 0xFFFFFF;
  stockBrush_ = stock(brush);
  Object font(Kind::Font);
  font.font.logFont = win::LOGFONTA{};
  font.font.logFont.lfHeight = 16;
  std::strcpy(font.font.logFont.lfFaceName, "System");
  stockFont_ = stock(font);
}

SimGdi::Object* SimGdi::Find(win::HGDIOBJ handle) {
  auto found = objects_.find(handle);
  if (found != objects_.end()) return &found->second;
  auto stock = stock_.find(handle);
  return stock == stock_.end() ? nullptr : &stock->second;
}

const SimGdi::Object* SimGdi::Find(win::HGDIOBJ handle) const {
  return const_cast<SimGdi*>(this)->Find(handle);
}

SimGdi::Dc* SimGdi::FindDc(win::HDC dc) {
  auto found = dcs_.find(dc);
  return found == dcs_.end() ? nullptr : &found->second;
}

SimGdi::Bitmap* SimGdi::SelectedBitmapOf(Dc& dc) {
  if (!dc.memory) return nullptr;
  Object* object = Find(dc.bitmap);
  return object == nullptr ? nullptr : &object->bitmap;
}

win::HGDIOBJ SimGdi::Add(Object object) {
  const win::HGDIOBJ handle = next_++;
  objects_.emplace(handle, std::move(object));
  return handle;
}

win::HDC SimGdi::NewDc(bool memory) {
  Dc dc;
  dc.memory = memory;
  dc.bitmap = stockBitmap_;
  dc.pen = stockPen_;
  dc.brush = stockBrush_;
  dc.font = stockFont_;
  const win::HDC handle = next_++;
  dcs_.emplace(handle, dc);
  return handle;
}

// A DC lets go of an object: a pending deletion completes with the last holder.
void SimGdi::Release(win::HGDIOBJ handle) {
  auto found = objects_.find(handle);
  if (found == objects_.end()) return;
  if (--found->second.selections == 0 && found->second.deletePending) objects_.erase(found);
}

win::HBITMAP SimGdi::NewBitmap(int width, int height, int bitsPerPixel) {
  Object object(Kind::Bitmap);
  object.bitmap.width = width;
  object.bitmap.height = height;
  object.bitmap.bitsPerPixel = bitsPerPixel;
  object.bitmap.pixels.assign(static_cast<std::size_t>(width) * height, 0);
  return Add(std::move(object));
}

// The depth of a bitmap compatible with dc: the screen's for a display DC or
// none, that of the selected bitmap for a memory DC (a fresh one holds 1 bpp).
int SimGdi::CompatibleDepth(win::HDC dc) {
  if (dc == 0) return 32;
  Dc* found = FindDc(dc);
  if (found == nullptr) return 0;
  if (!found->memory) return 32;
  Bitmap* bitmap = SelectedBitmapOf(*found);
  return bitmap == nullptr ? 0 : bitmap->bitsPerPixel;
}

void SimGdi::PutPixel(Bitmap& bitmap, int x, int y, win::COLORREF color) {
  if (!bitmap.Contains(x, y)) return;
  bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x] =
      bitmap.bitsPerPixel == 1 ? ToMono(color) : (color & kRgbMask);
}

win::HDC SimGdi::GetDC(win::HWND /*window*/) { return NewDc(false); }

int SimGdi::ReleaseDC(win::HWND /*window*/, win::HDC dc) {
  Dc* found = FindDc(dc);
  if (found == nullptr || found->memory) return 0;
  dcs_.erase(dc);
  return 1;
}

win::HDC SimGdi::CreateCompatibleDC(win::HDC dc) {
  if (dc != 0 && FindDc(dc) == nullptr) return 0;
  return NewDc(true);
}

win::BOOL SimGdi::DeleteDC(win::HDC dc) {
  Dc* found = FindDc(dc);
  if (found == nullptr || !found->memory) return win::FALSE;
  const Dc held = *found;
  dcs_.erase(dc);
  for (win::HGDIOBJ handle : {held.bitmap, held.pen, held.brush, held.font}) Release(handle);
  return win::TRUE;
}

win::HGDIOBJ SimGdi::SelectObject(win::HDC dc, win::HGDIOBJ handle) {
  Dc* found = FindDc(dc);
  Object* object = Find(handle);
  if (found == nullptr || object == nullptr || object->deletePending) return 0;
  win::HGDIOBJ* slot = nullptr;
  switch (object->kind) {
    case Kind::Bitmap:
      // A bitmap lives in one memory DC at a time.
      if (!found->memory) return 0;
      if (!object->stock && object->selections > 0 && found->bitmap != handle) return 0;
      slot = &found->bitmap;
      break;
    case Kind::Pen:
      slot = &found->pen;
      break;
    case Kind::Brush:
      slot = &found->brush;
      break;
    case Kind::Font:
      slot = &found->font;
      break;
    case Kind::Region:
      return 0;
  }
  const win::HGDIOBJ previous = *slot;
  if (previous == handle) return previous;
  *slot = handle;
  ++object->selections;
  Release(previous);
  return previous;
}

win::BOOL SimGdi::DeleteObject(win::HGDIOBJ handle) {
  auto found = objects_.find(handle);
  if (found == objects_.end()) return stock_.count(handle) ? win::TRUE : win::FALSE;
  if (found->second.selections > 0) {
    found->second.deletePending = true;
  } else {
    objects_.erase(found);
  }
  return win::TRUE;
}

int SimGdi::GetObjectA(win::HGDIOBJ handle, win::BITMAP* bitmap) {
  const Object* object = Find(handle);
  if (object == nullptr || object->kind != Kind::Bitmap || bitmap == nullptr) return 0;
  const Bitmap& b = object->bitmap;
  bitmap->bmType = 0;
  bitmap->bmWidth = b.width;
  bitmap->bmHeight = b.height;
  bitmap->bmWidthBytes = b.bitsPerPixel == 1 ? ((b.width + 15) / 16) * 2 : b.width * 4;
  bitmap->bmPlanes = 1;
  bitmap->bmBitsPixel = static_cast<win::WORD>(b.bitsPerPixel);
  return static_cast<int>(sizeof(win::BITMAP));
}

win::HBITMAP SimGdi::CreateBitmap(int width, int height, win::UINT planes, win::UINT bitsPerPixel,
                                  const void* bits) {
  if (width < 0 || height < 0 || planes != 1) return 0;
  if (bitsPerPixel != 1 && bitsPerPixel != 32) return 0;  // the depths the system uses
  if (width == 0 || height == 0) return stockBitmap_;
  const win::HBITMAP handle = NewBitmap(width, height, static_cast<int>(bitsPerPixel));
  if (bits != nullptr) {
    Bitmap& bitmap = objects_.at(handle).bitmap;
    const auto* bytes = static_cast<const std::uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const std::size_t at = static_cast<std::size_t>(y) * width + x;
        if (bitsPerPixel == 1) {
          const std::size_t stride = static_cast<std::size_t>((width + 15) / 16) * 2;
          bitmap.pixels[at] = (bytes[y * stride + x / 8] >> (7 - x % 8)) & 1;
        } else {
          std::uint32_t pixel;
          std::memcpy(&pixel, bytes + at * 4, 4);
          bitmap.pixels[at] = DibToColorRef(pixel) & kRgbMask;
        }
      }
    }
  }
  return handle;
}

win::HBITMAP SimGdi::CreateCompatibleBitmap(win::HDC dc, int width, int height) {
  const int depth = CompatibleDepth(dc);
  if (depth == 0 || width < 0 || height < 0) return 0;
  if (width == 0 || height == 0) return stockBitmap_;
  return NewBitmap(width, height, depth);
}

win::HBITMAP SimGdi::CreateDIBitmap(win::HDC dc, int width, int height,
                                    const std::uint32_t* pixels) {
  const win::HBITMAP handle = CreateCompatibleBitmap(dc, width, height);
  if (handle == 0 || handle == stockBitmap_ || pixels == nullptr) return handle;
  Bitmap& bitmap = objects_.at(handle).bitmap;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      PutPixel(bitmap, x, y, DibToColorRef(pixels[static_cast<std::size_t>(y) * width + x]));
    }
  }
  return handle;
}

int SimGdi::GetDIBits(win::HDC dc, win::HBITMAP handle, win::UINT startScan, win::UINT scanLines,
                      std::uint32_t* pixels) {
  Object* object = Find(handle);
  if (dc != 0 && FindDc(dc) == nullptr) return 0;
  if (object == nullptr || object->kind != Kind::Bitmap || object->selections > 0) return 0;
  if (refuseGetDIBits && refuseGetDIBits(startScan)) return 0;
  const Bitmap& bitmap = object->bitmap;
  int copied = 0;
  for (win::UINT row = startScan; row < startScan + scanLines; ++row) {
    if (row >= static_cast<win::UINT>(bitmap.height)) break;
    for (int x = 0; x < bitmap.width; ++x) {
      const win::COLORREF value = bitmap.pixels[static_cast<std::size_t>(row) * bitmap.width + x];
      const win::COLORREF color = bitmap.bitsPerPixel == 1 ? (value ? 0xFFFFFF : 0) : value;
      pixels[static_cast<std::size_t>(row - startScan) * bitmap.width + x] = ColorRefToDib(color);
    }
    ++copied;
  }
  return copied;
}

win::BOOL SimGdi::BitBlt(win::HDC destination, int x, int y, int width, int height, win::HDC source,
                         int sourceX, int sourceY, win::DWORD rop) {
  Dc* to = FindDc(destination);
  Dc* from = FindDc(source);
  if (to == nullptr || from == nullptr) return win::FALSE;
  if (rop != win::SRCCOPY && rop != win::NOTSRCCOPY && rop != win::SRCAND &&
      rop != win::SRCINVERT) {
    return win::FALSE;
  }
  // The screen's own pixels are not modelled.
  if (!to->memory || !from->memory) return win::TRUE;
  if (width < 0) {
    x += width;
    sourceX += width;
    width = -width;
  }
  if (height < 0) {
    y += height;
    sourceY += height;
    height = -height;
  }
  Bitmap* target = SelectedBitmapOf(*to);
  Bitmap* origin = SelectedBitmapOf(*from);
  if (target == nullptr || origin == nullptr) return win::FALSE;
  // Read the whole source first: source and destination may be one bitmap.
  const Bitmap snapshot = *origin;
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      const int dx = x + i, dy = y + j, sx = sourceX + i, sy = sourceY + j;
      // Pixels outside either bitmap are clipped away: the target keeps them.
      if (!target->Contains(dx, dy) || !snapshot.Contains(sx, sy)) continue;
      win::COLORREF s = snapshot.pixels[static_cast<std::size_t>(sy) * snapshot.width + sx];
      if (snapshot.bitsPerPixel == 1 && target->bitsPerPixel != 1) {
        s = s ? to->bkColor : to->textColor;
      } else if (snapshot.bitsPerPixel != 1 && target->bitsPerPixel == 1) {
        s = (s & kRgbMask) == (from->bkColor & kRgbMask) ? 1 : 0;
      }
      win::COLORREF& d = target->pixels[static_cast<std::size_t>(dy) * target->width + dx];
      const win::COLORREF mask = target->bitsPerPixel == 1 ? 1 : kRgbMask;
      switch (rop) {
        case win::SRCCOPY:
          d = s & mask;
          break;
        case win::NOTSRCCOPY:
          d = ~s & mask;
          break;
        case win::SRCAND:
          d = (s & d) & mask;
          break;
        default:
          d = (s ^ d) & mask;
          break;
      }
    }
  }
  return win::TRUE;
}

win::COLORREF SimGdi::GetPixel(win::HDC dc, int x, int y) {
  Dc* found = FindDc(dc);
  if (found == nullptr) return win::CLR_INVALID;
  Bitmap* bitmap = SelectedBitmapOf(*found);
  if (bitmap == nullptr || !bitmap->Contains(x, y)) return win::CLR_INVALID;
  const win::COLORREF value = bitmap->pixels[static_cast<std::size_t>(y) * bitmap->width + x];
  if (bitmap->bitsPerPixel == 1) return value ? 0xFFFFFF : 0;
  if (displayBitsPerPixel == 16) return value & 0xF8FCF8;
  return value;
}

win::COLORREF SimGdi::SetBkColor(win::HDC dc, win::COLORREF color) {
  Dc* found = FindDc(dc);
  if (found == nullptr) return win::CLR_INVALID;
  return std::exchange(found->bkColor, platform::ResolveColor(*this, color));
}

win::COLORREF SimGdi::GetBkColor(win::HDC dc) {
  Dc* found = FindDc(dc);
  return found == nullptr ? win::CLR_INVALID : found->bkColor;
}

win::COLORREF SimGdi::SetTextColor(win::HDC dc, win::COLORREF color) {
  Dc* found = FindDc(dc);
  if (found == nullptr) return win::CLR_INVALID;
  return std::exchange(found->textColor, platform::ResolveColor(*this, color));
}

win::COLORREF SimGdi::GetTextColor(win::HDC dc) {
  Dc* found = FindDc(dc);
  return found == nullptr ? win::CLR_INVALID : found->textColor;
}

int SimGdi::SetBkMode(win::HDC dc, int mode) {
  Dc* found = FindDc(dc);
  if (found == nullptr || (mode != win::TRANSPARENT && mode != win::OPAQUE)) return 0;
  return std::exchange(found->bkMode, mode);
}

win::DWORD SimGdi::GetSysColor(int index) {
  return index >= 0 && index < win::COLOR_COUNT ? sysColors_[static_cast<std::size_t>(index)] : 0;
}

win::HBRUSH SimGdi::CreateSolidBrush(win::COLORREF color) {
  Object object(Kind::Brush);
  object.brush.color = color & kRgbMask;
  return Add(std::move(object));
}

int SimGdi::FillRect(win::HDC dc, const win::RECT* rect, win::HBRUSH brush) {
  Dc* found = FindDc(dc);
  const Object* fill = Find(brush);
  if (found == nullptr || rect == nullptr || fill == nullptr || fill->kind != Kind::Brush) {
    return 0;
  }
  Bitmap* bitmap = SelectedBitmapOf(*found);
  if (bitmap == nullptr) return 1;
  for (int y = rect->top; y < rect->bottom; ++y) {
    for (int x = rect->left; x < rect->right; ++x) PutPixel(*bitmap, x, y, fill->brush.color);
  }
  return 1;
}

win::HPEN SimGdi::CreatePen(int style, int /*width*/, win::COLORREF color) {
  if (style != win::PS_SOLID) return 0;
  Object object(Kind::Pen);
  object.pen.color = color & kRgbMask;
  return Add(std::move(object));
}

win::BOOL SimGdi::MoveToEx(win::HDC dc, int x, int y, win::POINT* previous) {
  Dc* found = FindDc(dc);
  if (found == nullptr) return win::FALSE;
  if (previous != nullptr) *previous = found->position;
  found->position = {x, y};
  return win::TRUE;
}

// Bresenham's line from the current position, the last point left out as GDI does.
win::BOOL SimGdi::LineTo(win::HDC dc, int x, int y) {
  Dc* found = FindDc(dc);
  if (found == nullptr) return win::FALSE;
  const Object* pen = Find(found->pen);
  Bitmap* bitmap = SelectedBitmapOf(*found);
  int x0 = found->position.x, y0 = found->position.y;
  found->position = {x, y};
  if (bitmap == nullptr || pen == nullptr) return win::TRUE;
  const int dx = std::abs(x - x0), sx = x0 < x ? 1 : -1;
  const int dy = -std::abs(y - y0), sy = y0 < y ? 1 : -1;
  int error = dx + dy;
  while (x0 != x || y0 != y) {
    PutPixel(*bitmap, x0, y0, pen->pen.color);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
  return win::TRUE;
}

win::HFONT SimGdi::CreateFontIndirectA(const win::LOGFONTA* font) {
  if (font == nullptr) return 0;
  Object object(Kind::Font);
  object.font.logFont = *font;
  return Add(std::move(object));
}

int SimGdi::TextCellHeight(const Dc& dc) {
  const Object* font = Find(dc.font);
  const int height = font == nullptr ? 16 : std::abs(static_cast<int>(font->font.logFont.lfHeight));
  return height == 0 ? 16 : height;
}

std::string SimGdi::FaceOf(const Dc& dc) {
  const Object* font = Find(dc.font);
  return font == nullptr ? std::string() : std::string(font->font.logFont.lfFaceName);
}

// A fixed-pitch model: every character is half as wide as the font is high.
win::BOOL SimGdi::GetTextExtentPoint32A(win::HDC dc, const char* /*text*/, int length,
                                        win::SIZE* size) {
  Dc* found = FindDc(dc);
  if (found == nullptr || size == nullptr || length < 0) return win::FALSE;
  const int height = TextCellHeight(*found);
  size->cx = length == 0 ? 0 : length * std::max(1, height / 2);
  size->cy = length == 0 ? 0 : height;
  return win::TRUE;
}

win::BOOL SimGdi::DrawEdge(win::HDC dc, win::RECT* rect, win::UINT edge, win::UINT flags) {
  if (FindDc(dc) == nullptr || rect == nullptr) return win::FALSE;
  edges_.push_back({dc, *rect, edge, flags});
  if (flags & win::BF_ADJUST) {
    // One pixel for the outer part of the edge, one for the inner part.
    const int inset = ((edge & 0x3) ? 1 : 0) + ((edge & 0xC) ? 1 : 0);
    if (flags & win::BF_LEFT) rect->left += inset;
    if (flags & win::BF_TOP) rect->top += inset;
    if (flags & win::BF_RIGHT) rect->right -= inset;
    if (flags & win::BF_BOTTOM) rect->bottom -= inset;
  }
  return win::TRUE;
}

win::BOOL SimGdi::DrawFocusRect(win::HDC dc, const win::RECT* rect) {
  Dc* found = FindDc(dc);
  if (found == nullptr || rect == nullptr) return win::FALSE;
  focusRects_.push_back({dc, *rect, found->textColor});
  return win::TRUE;
}

win::BOOL SimGdi::DrawStateA(win::HDC dc, win::HBRUSH /*brush*/, const char* text, int length,
                             int x, int y, int width, int height, win::UINT flags) {
  Dc* found = FindDc(dc);
  if (found == nullptr) return win::FALSE;
  std::string drawn = text == nullptr ? std::string() : std::string(text, std::size_t(length));
  texts_.push_back(
      {dc, drawn, x, y, width, height, flags, found->textColor, FaceOf(*found), found->bkMode});
  return win::TRUE;
}

win::BOOL SimGdi::DestroyIcon(win::HICON icon) {
  return icons_.erase(icon) ? win::TRUE : win::FALSE;
}

win::HICON SimGdi::MakeIcon() {
  const win::HICON icon = next_++;
  icons_[icon] = true;
  return icon;
}

win::HRGN SimGdi::CreateRectRgn(int left, int top, int right, int bottom) {
  Object object(Kind::Region);
  object.region = SimRegion::Rect(left, top, right, bottom);
  return Add(std::move(object));
}

win::HRGN SimGdi::ExtCreateRegion(const win::RECT* rects, win::DWORD count) {
  if (rects == nullptr && count != 0) return 0;
  Object object(Kind::Region);
  for (win::DWORD i = 0; i < count; ++i) {
    const win::RECT& r = rects[i];
    object.region = SimRegion::Combine(
        object.region, SimRegion::Rect(r.left, r.top, r.right, r.bottom), win::RGN_OR);
  }
  return Add(std::move(object));
}

int SimGdi::CombineRgn(win::HRGN destination, win::HRGN source1, win::HRGN source2, int mode) {
  Object* to = Find(destination);
  const Object* a = Find(source1);
  const Object* b = mode == win::RGN_COPY ? a : Find(source2);
  if (to == nullptr || a == nullptr || b == nullptr || to->kind != Kind::Region ||
      a->kind != Kind::Region || b->kind != Kind::Region || mode < win::RGN_AND ||
      mode > win::RGN_COPY) {
    return win::RGN_ERROR;
  }
  to->region = SimRegion::Combine(a->region, b->region, mode);
  return to->region.Kind();
}

win::BOOL SimGdi::PtInRegion(win::HRGN region, int x, int y) {
  const Object* found = Find(region);
  if (found == nullptr || found->kind != Kind::Region) return win::FALSE;
  return found->region.Contains(x, y) ? win::TRUE : win::FALSE;
}

int SimGdi::SetWindowRgn(win::HWND window, win::HRGN region, win::BOOL /*redraw*/) {
  if (region == 0) {
    windowRegions_.erase(window);
    return 1;
  }
  auto found = objects_.find(region);
  if (found == objects_.end() || found->second.kind != Kind::Region) return 0;
  windowRegions_[window] = std::move(found->second.region);
  objects_.erase(found);
  return 1;
}

int SimGdi::LiveBitmaps() const {
  return static_cast<int>(std::count_if(objects_.begin(), objects_.end(), [](const auto& entry) {
    return entry.second.kind == Kind::Bitmap;
  }));
}

std::vector<win::COLORREF> SimGdi::Pixels(win::HBITMAP handle) const {
  const Object* object = Find(handle);
  if (object == nullptr || object->kind != Kind::Bitmap) return {};
  std::vector<win::COLORREF> pixels = object->bitmap.pixels;
  if (object->bitmap.bitsPerPixel == 1) {
    for (auto& pixel : pixels) pixel = pixel ? 0xFFFFFF : 0;
  }
  return pixels;
}

int SimGdi::BitsPerPixel(win::HBITMAP handle) const {
  const Object* object = Find(handle);
  return object == nullptr || object->kind != Kind::Bitmap ? 0 : object->bitmap.bitsPerPixel;
}

win::HBITMAP SimGdi::SelectedBitmap(win::HDC dc) const {
  const auto found = dcs_.find(dc);
  return found == dcs_.end() ? 0 : found->second.bitmap;
}

const SimRegion* SimGdi::WindowRegion(win::HWND window) const {
  const auto found = windowRegions_.find(window);
  return found == windowRegions_.end() ? nullptr : &found->second;
}

void SimGdi::ClearRecords() {
  edges_.clear();
  focusRects_.clear();
  texts_.clear();
}

}  // namespace sim
