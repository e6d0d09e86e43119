#include "platform/win32/Win32Gdi.h"

#include "platform/win32/Win32Ownership.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace win32 {
namespace {

template <class Handle>
Handle H(std::uintptr_t value) {
  return reinterpret_cast<Handle>(value);
}
std::uintptr_t U(const void* handle) { return reinterpret_cast<std::uintptr_t>(handle); }

RECT ToRect(const win::RECT& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// A top-down 32-bit BI_RGB DIB of the given size.
BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// The DC a "compatible" call was given, or the screen's for none.
class DeviceOrScreen {
 public:
  explicit DeviceOrScreen(win::HDC dc)
      : screen_(dc == 0 ? ::GetDC(nullptr) : nullptr),
        device_(dc == 0 ? screen_.get() : H<HDC>(dc)) {}
  HDC get() const { return device_; }

 private:
  UniqueScreenDC screen_;
  HDC device_;
};

}  // namespace

win::HDC Win32Gdi::GetDC(win::HWND window) { return U(::GetDC(H<HWND>(window))); }
int Win32Gdi::ReleaseDC(win::HWND window, win::HDC dc) {
  return ::ReleaseDC(H<HWND>(window), H<HDC>(dc));
}
win::HDC Win32Gdi::CreateCompatibleDC(win::HDC dc) { return U(::CreateCompatibleDC(H<HDC>(dc))); }
win::BOOL Win32Gdi::DeleteDC(win::HDC dc) { return ::DeleteDC(H<HDC>(dc)); }
win::HGDIOBJ Win32Gdi::SelectObject(win::HDC dc, win::HGDIOBJ object) {
  return U(::SelectObject(H<HDC>(dc), H<HGDIOBJ>(object)));
}
win::BOOL Win32Gdi::DeleteObject(win::HGDIOBJ object) { return ::DeleteObject(H<HGDIOBJ>(object)); }

int Win32Gdi::GetObjectA(win::HGDIOBJ object, win::BITMAP* bitmap) {
  if (::GetObjectType(H<HGDIOBJ>(object)) != OBJ_BITMAP || bitmap == nullptr) return 0;
  ::BITMAP native{};
  if (::GetObjectA(H<HGDIOBJ>(object), sizeof native, &native) == 0) return 0;
  *bitmap = win::BITMAP{native.bmType,       native.bmWidth,  native.bmHeight,
                        native.bmWidthBytes, native.bmPlanes, native.bmBitsPixel};
  return static_cast<int>(sizeof(win::BITMAP));
}

win::HBITMAP Win32Gdi::CreateBitmap(int width, int height, win::UINT planes, win::UINT bitsPerPixel,
                                    const void* bits) {
  return U(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}
win::HBITMAP Win32Gdi::CreateCompatibleBitmap(win::HDC dc, int width, int height) {
  return U(::CreateCompatibleBitmap(H<HDC>(dc), width, height));
}

win::HBITMAP Win32Gdi::CreateDIBitmap(win::HDC dc, int width, int height,
                                      const std::uint32_t* pixels) {
  // No DC means the screen, as for the other "compatible" calls.
  const DeviceOrScreen device(dc);
  BITMAPINFO info = TopDown32(width, height);
  return U(::CreateDIBitmap(device.get(), &info.bmiHeader, pixels ? CBM_INIT : 0, pixels, &info,
                            DIB_RGB_COLORS));
}

int Win32Gdi::GetDIBits(win::HDC dc, win::HBITMAP bitmap, win::UINT startScan, win::UINT scanLines,
                        std::uint32_t* pixels) {
  ::BITMAP native{};
  if (::GetObjectA(H<HGDIOBJ>(bitmap), sizeof native, &native) == 0) return 0;
  const win::UINT height = static_cast<win::UINT>(native.bmHeight);
  if (startScan >= height) return 0;
  if (scanLines > height - startScan) scanLines = height - startScan;
  const DeviceOrScreen device(dc);
  const auto width = static_cast<std::size_t>(native.bmWidth);
  int rows = 0;
  if (startScan == 0 && scanLines == height) {
    // The whole bitmap, top row first: straight into the caller's rows.
    BITMAPINFO info = TopDown32(native.bmWidth, native.bmHeight);
    rows = ::GetDIBits(device.get(), H<HBITMAP>(bitmap), 0, height, pixels, &info, DIB_RGB_COLORS);
  } else {
    // Part of it. Scan lines of a bottom-up DIB count from the bottom without
    // ambiguity: read the band that way and turn its rows over.
    BITMAPINFO info = TopDown32(native.bmWidth, native.bmHeight);
    info.bmiHeader.biHeight = native.bmHeight;
    std::vector<std::uint32_t> band(width * scanLines);
    rows = ::GetDIBits(device.get(), H<HBITMAP>(bitmap), height - startScan - scanLines, scanLines,
                       band.data(), &info, DIB_RGB_COLORS);
    if (rows == static_cast<int>(scanLines)) {
      for (win::UINT row = 0; row < scanLines; ++row) {
        std::memcpy(pixels + row * width, band.data() + (scanLines - 1 - row) * width,
                    width * sizeof(std::uint32_t));
      }
    }
  }
  return rows == static_cast<int>(scanLines) ? rows : 0;
}

win::BOOL Win32Gdi::BitBlt(win::HDC destination, int x, int y, int width, int height,
                           win::HDC source, int sourceX, int sourceY, win::DWORD rop) {
  return ::BitBlt(H<HDC>(destination), x, y, width, height, H<HDC>(source), sourceX, sourceY, rop);
}
win::COLORREF Win32Gdi::GetPixel(win::HDC dc, int x, int y) { return ::GetPixel(H<HDC>(dc), x, y); }

win::COLORREF Win32Gdi::SetBkColor(win::HDC dc, win::COLORREF color) {
  return ::SetBkColor(H<HDC>(dc), platform::ResolveColor(*this, color));
}
win::COLORREF Win32Gdi::GetBkColor(win::HDC dc) { return ::GetBkColor(H<HDC>(dc)); }
win::COLORREF Win32Gdi::SetTextColor(win::HDC dc, win::COLORREF color) {
  return ::SetTextColor(H<HDC>(dc), platform::ResolveColor(*this, color));
}
win::COLORREF Win32Gdi::GetTextColor(win::HDC dc) { return ::GetTextColor(H<HDC>(dc)); }
int Win32Gdi::SetBkMode(win::HDC dc, int mode) { return ::SetBkMode(H<HDC>(dc), mode); }
win::DWORD Win32Gdi::GetSysColor(int index) { return ::GetSysColor(index); }

win::HBRUSH Win32Gdi::CreateSolidBrush(win::COLORREF color) { return U(::CreateSolidBrush(color)); }
int Win32Gdi::FillRect(win::HDC dc, const win::RECT* rect, win::HBRUSH brush) {
  const RECT native = ToRect(*rect);
  return ::FillRect(H<HDC>(dc), &native, H<HBRUSH>(brush));
}
win::HPEN Win32Gdi::CreatePen(int style, int width, win::COLORREF color) {
  return U(::CreatePen(style, width, color));
}
win::BOOL Win32Gdi::MoveToEx(win::HDC dc, int x, int y, win::POINT* previous) {
  ::POINT native{};
  const BOOL ok = ::MoveToEx(H<HDC>(dc), x, y, &native);
  if (previous != nullptr) *previous = win::POINT{native.x, native.y};
  return ok;
}
win::BOOL Win32Gdi::LineTo(win::HDC dc, int x, int y) { return ::LineTo(H<HDC>(dc), x, y); }

win::HFONT Win32Gdi::CreateFontIndirectA(const win::LOGFONTA* font) {
  ::LOGFONTA native{};
  native.lfHeight = font->lfHeight;
  native.lfWidth = font->lfWidth;
  native.lfEscapement = font->lfEscapement;
  native.lfOrientation = font->lfOrientation;
  native.lfWeight = font->lfWeight;
  native.lfItalic = font->lfItalic;
  native.lfUnderline = font->lfUnderline;
  native.lfStrikeOut = font->lfStrikeOut;
  native.lfCharSet = font->lfCharSet;
  native.lfOutPrecision = font->lfOutPrecision;
  native.lfClipPrecision = font->lfClipPrecision;
  native.lfQuality = font->lfQuality;
  native.lfPitchAndFamily = font->lfPitchAndFamily;
  std::memcpy(native.lfFaceName, font->lfFaceName, sizeof native.lfFaceName);
  return U(::CreateFontIndirectA(&native));
}

win::BOOL Win32Gdi::GetTextExtentPoint32A(win::HDC dc, const char* text, int length,
                                          win::SIZE* size) {
  ::SIZE native{};
  const BOOL ok = ::GetTextExtentPoint32A(H<HDC>(dc), text, length, &native);
  *size = win::SIZE{native.cx, native.cy};
  return ok;
}

win::BOOL Win32Gdi::DrawEdge(win::HDC dc, win::RECT* rect, win::UINT edge, win::UINT flags) {
  RECT native = ToRect(*rect);
  const BOOL ok = ::DrawEdge(H<HDC>(dc), &native, edge, flags);
  *rect = win::RECT{native.left, native.top, native.right, native.bottom};
  return ok;
}
win::BOOL Win32Gdi::DrawFocusRect(win::HDC dc, const win::RECT* rect) {
  const RECT native = ToRect(*rect);
  return ::DrawFocusRect(H<HDC>(dc), &native);
}
win::BOOL Win32Gdi::DrawStateA(win::HDC dc, win::HBRUSH brush, const char* text, int length, int x,
                               int y, int width, int height, win::UINT flags) {
  return ::DrawStateA(H<HDC>(dc), H<HBRUSH>(brush), nullptr, reinterpret_cast<LPARAM>(text),
                      static_cast<WPARAM>(length), x, y, width, height, flags);
}
win::BOOL Win32Gdi::DestroyIcon(win::HICON icon) { return ::DestroyIcon(H<HICON>(icon)); }

win::HRGN Win32Gdi::CreateRectRgn(int left, int top, int right, int bottom) {
  return U(::CreateRectRgn(left, top, right, bottom));
}
win::HRGN Win32Gdi::ExtCreateRegion(const win::RECT* rects, win::DWORD count) {
  // RGNDATA: its header, then the rectangles.
  std::vector<char> data(sizeof(RGNDATAHEADER) + sizeof(RECT) * count);
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = count;
  header->nRgnSize = static_cast<DWORD>(sizeof(RECT) * count);
  RECT bounds{0, 0, 0, 0};
  auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (win::DWORD i = 0; i < count; ++i) {
    out[i] = RECT{rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
    ::UnionRect(&bounds, &bounds, &out[i]);
  }
  header->rcBound = bounds;
  return U(::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                             reinterpret_cast<const RGNDATA*>(data.data())));
}

int Win32Gdi::CombineRgn(win::HRGN destination, win::HRGN source1, win::HRGN source2, int mode) {
  return ::CombineRgn(H<HRGN>(destination), H<HRGN>(source1), H<HRGN>(source2), mode);
}
win::BOOL Win32Gdi::PtInRegion(win::HRGN region, int x, int y) {
  return ::PtInRegion(H<HRGN>(region), x, y);
}
int Win32Gdi::SetWindowRgn(win::HWND window, win::HRGN region, win::BOOL redraw) {
  return ::SetWindowRgn(H<HWND>(window), H<HRGN>(region), redraw);
}

}  // namespace win32
