// Drawing as the system uses it: gdi32's device contexts, bitmaps, raster
// operations and regions, and the few user32 calls that draw (DrawEdge,
// DrawFocusRect, DrawStateA) or shape a window (SetWindowRgn).
#pragma once

#include <cstdint>

#include "platform/WinTypes.h"

namespace win {

using HDC = std::uintptr_t;
using HGDIOBJ = std::uintptr_t;
using HRGN = std::uintptr_t;
using HBRUSH = std::uintptr_t;
using HPEN = std::uintptr_t;
using HFONT = std::uintptr_t;

struct SIZE {
  LONG cx;
  LONG cy;
};
struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};

struct BITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
};

constexpr int LF_FACESIZE = 32;
struct LOGFONTA {
  LONG lfHeight;
  LONG lfWidth;
  LONG lfEscapement;
  LONG lfOrientation;
  LONG lfWeight;
  BYTE lfItalic;
  BYTE lfUnderline;
  BYTE lfStrikeOut;
  BYTE lfCharSet;
  BYTE lfOutPrecision;
  BYTE lfClipPrecision;
  BYTE lfQuality;
  BYTE lfPitchAndFamily;
  char lfFaceName[LF_FACESIZE];
};

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Raster operations.
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD NOTSRCCOPY = 0x00330008;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int PS_SOLID = 0;

constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;

// Region combination modes and results.
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;
constexpr int RGN_ERROR = 0;  // Windows calls it ERROR
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

// Object types (GetObjectType).
constexpr DWORD OBJ_BITMAP = 7;

// DrawEdge.
constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_ADJUST = 0x2000;
constexpr UINT BF_FLAT = 0x4000;
constexpr UINT BF_MONO = 0x8000;

// DrawStateA.
constexpr UINT DST_TEXT = 0x0001;
constexpr UINT DST_PREFIXTEXT = 0x0002;
constexpr UINT DSS_DISABLED = 0x0020;
constexpr UINT DSS_RIGHT = 0x8000;

// System colour indexes (GetSysColor).
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_COUNT = 31;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
         (static_cast<COLORREF>(b) << 16);
}

}  // namespace win

namespace platform {

// A colour reference as the toolkit passes it: an RGB value 0x00BBGGRR or a
// system colour 0x80000000 + index. GDI itself knows only the first kind.
constexpr bool IsSystemColor(win::COLORREF color) {
  return (color & 0xFF000000u) == 0x80000000u && (color & 0x00FFFFFFu) < win::COLOR_COUNT;
}

// Each member forwards to the Windows function of the same name. Where the
// system never varies an argument it is left out (DrawStateA always draws
// text without a callback). Two rules hold on every backend:
// - SetBkColor and SetTextColor resolve a system colour reference to the
//   system colour, so the toolkit's colour values can be handed on as they are
//   (bare GDI would take 0x8000000F as the colour 0x00000F);
// - the DIB calls move top-down 32-bit pixels, each 0x00RRGGBB as in a
//   BI_RGB DIB (not a COLORREF); a monochrome bitmap reads as black and white.
class Gdi {
 public:
  virtual ~Gdi() = default;

  // Device contexts.
  [[nodiscard]] virtual win::HDC GetDC(win::HWND window) = 0;
  [[nodiscard]] virtual int ReleaseDC(win::HWND window, win::HDC dc) = 0;
  [[nodiscard]] virtual win::HDC CreateCompatibleDC(win::HDC dc) = 0;
  [[nodiscard]] virtual win::BOOL DeleteDC(win::HDC dc) = 0;
  [[nodiscard]] virtual win::HGDIOBJ SelectObject(win::HDC dc, win::HGDIOBJ object) = 0;
  [[nodiscard]] virtual win::BOOL DeleteObject(win::HGDIOBJ object) = 0;
  // Bitmaps only; returns the bytes written (0 for anything else).
  [[nodiscard]] virtual int GetObjectA(win::HGDIOBJ object, win::BITMAP* bitmap) = 0;

  // Bitmaps and raster operations.
  [[nodiscard]] virtual win::HBITMAP CreateBitmap(int width, int height, win::UINT planes,
                                                  win::UINT bitsPerPixel, const void* bits) = 0;
  [[nodiscard]] virtual win::HBITMAP CreateCompatibleBitmap(win::HDC dc, int width, int height) = 0;
  // CreateDIBitmap with CBM_INIT from a top-down 32-bit DIB.
  [[nodiscard]] virtual win::HBITMAP CreateDIBitmap(win::HDC dc, int width, int height,
                                                    const std::uint32_t* pixels) = 0;
  // GetDIBits into a top-down 32-bit DIB of the bitmap's width; returns the
  // number of rows copied. The bitmap must not be selected into a DC.
  [[nodiscard]] virtual int GetDIBits(win::HDC dc, win::HBITMAP bitmap, win::UINT startScan,
                                      win::UINT scanLines, std::uint32_t* pixels) = 0;
  [[nodiscard]] virtual win::BOOL BitBlt(win::HDC destination, int x, int y, int width, int height,
                                         win::HDC source, int sourceX, int sourceY,
                                         win::DWORD rop) = 0;
  [[nodiscard]] virtual win::COLORREF GetPixel(win::HDC dc, int x, int y) = 0;

  // Colours and modes.
  virtual win::COLORREF SetBkColor(win::HDC dc, win::COLORREF color) = 0;
  [[nodiscard]] virtual win::COLORREF GetBkColor(win::HDC dc) = 0;
  virtual win::COLORREF SetTextColor(win::HDC dc, win::COLORREF color) = 0;
  [[nodiscard]] virtual win::COLORREF GetTextColor(win::HDC dc) = 0;
  virtual int SetBkMode(win::HDC dc, int mode) = 0;
  [[nodiscard]] virtual win::DWORD GetSysColor(int index) = 0;

  // Filling, lines and text.
  [[nodiscard]] virtual win::HBRUSH CreateSolidBrush(win::COLORREF color) = 0;
  [[nodiscard]] virtual int FillRect(win::HDC dc, const win::RECT* rect, win::HBRUSH brush) = 0;
  [[nodiscard]] virtual win::HPEN CreatePen(int style, int width, win::COLORREF color) = 0;
  [[nodiscard]] virtual win::BOOL MoveToEx(win::HDC dc, int x, int y, win::POINT* previous) = 0;
  [[nodiscard]] virtual win::BOOL LineTo(win::HDC dc, int x, int y) = 0;
  [[nodiscard]] virtual win::HFONT CreateFontIndirectA(const win::LOGFONTA* font) = 0;
  [[nodiscard]] virtual win::BOOL GetTextExtentPoint32A(win::HDC dc, const char* text, int length,
                                                        win::SIZE* size) = 0;

  // user32 drawing.
  [[nodiscard]] virtual win::BOOL DrawEdge(win::HDC dc, win::RECT* rect, win::UINT edge,
                                           win::UINT flags) = 0;
  [[nodiscard]] virtual win::BOOL DrawFocusRect(win::HDC dc, const win::RECT* rect) = 0;
  [[nodiscard]] virtual win::BOOL DrawStateA(win::HDC dc, win::HBRUSH brush, const char* text,
                                             int length, int x, int y, int width, int height,
                                             win::UINT flags) = 0;
  [[nodiscard]] virtual win::BOOL DestroyIcon(win::HICON icon) = 0;

  // Regions. SetWindowRgn hands the region to the system, which frees it.
  [[nodiscard]] virtual win::HRGN CreateRectRgn(int left, int top, int right, int bottom) = 0;
  // ExtCreateRegion of a region data block holding these rectangles: one
  // call for a whole list (the rectangles may be in any order; overlaps join).
  [[nodiscard]] virtual win::HRGN ExtCreateRegion(const win::RECT* rects, win::DWORD count) = 0;
  [[nodiscard]] virtual int CombineRgn(win::HRGN destination, win::HRGN source1, win::HRGN source2,
                                       int mode) = 0;
  [[nodiscard]] virtual win::BOOL PtInRegion(win::HRGN region, int x, int y) = 0;
  [[nodiscard]] virtual int SetWindowRgn(win::HWND window, win::HRGN region, win::BOOL redraw) = 0;
};

// The RGB value of a colour reference: system colours resolved, others as given.
inline win::COLORREF ResolveColor(Gdi& gdi, win::COLORREF color) {
  return IsSystemColor(color) ? gdi.GetSysColor(static_cast<int>(color & 0xFF)) : color;
}

}  // namespace platform
