// An in-memory GDI with Windows' raster rules: memory DCs holding 32-bit colour
// or 1-bpp bitmaps, BitBlt with the colour-to-monochrome rule (pixels equal to
// the source's background colour become 1) and the monochrome-to-colour rule
// (1 takes the destination's background colour, 0 its text colour), clipping
// to both bitmaps, a bitmap selectable into one DC at a time, deletion of a
// selected object deferred until it is deselected, rectangle regions, and
// counts of live DCs and objects so tests can prove nothing leaks. DrawEdge,
// DrawFocusRect and DrawStateA are recorded with their arguments, not drawn.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Gdi.h"
#include "platform/sim/SimRegion.h"

namespace sim {

class SimGdi final : public platform::Gdi {
 public:
  SimGdi();
  ~SimGdi() override = default;
  SimGdi(const SimGdi&) = delete;
  SimGdi& operator=(const SimGdi&) = delete;

  win::HDC GetDC(win::HWND window) override;
  int ReleaseDC(win::HWND window, win::HDC dc) override;
  win::HDC CreateCompatibleDC(win::HDC dc) override;
  win::BOOL DeleteDC(win::HDC dc) override;
  win::HGDIOBJ SelectObject(win::HDC dc, win::HGDIOBJ object) override;
  win::BOOL DeleteObject(win::HGDIOBJ object) override;
  int GetObjectA(win::HGDIOBJ object, win::BITMAP* bitmap) override;

  win::HBITMAP CreateBitmap(int width, int height, win::UINT planes, win::UINT bitsPerPixel,
                            const void* bits) override;
  win::HBITMAP CreateCompatibleBitmap(win::HDC dc, int width, int height) override;
  win::HBITMAP CreateDIBitmap(win::HDC dc, int width, int height,
                              const std::uint32_t* pixels) override;
  int GetDIBits(win::HDC dc, win::HBITMAP bitmap, win::UINT startScan, win::UINT scanLines,
                std::uint32_t* pixels) override;
  win::BOOL BitBlt(win::HDC destination, int x, int y, int width, int height, win::HDC source,
                   int sourceX, int sourceY, win::DWORD rop) override;
  win::COLORREF GetPixel(win::HDC dc, int x, int y) override;

  win::COLORREF SetBkColor(win::HDC dc, win::COLORREF color) override;
  win::COLORREF GetBkColor(win::HDC dc) override;
  win::COLORREF SetTextColor(win::HDC dc, win::COLORREF color) override;
  win::COLORREF GetTextColor(win::HDC dc) override;
  int SetBkMode(win::HDC dc, int mode) override;
  win::DWORD GetSysColor(int index) override;

  win::HBRUSH CreateSolidBrush(win::COLORREF color) override;
  int FillRect(win::HDC dc, const win::RECT* rect, win::HBRUSH brush) override;
  win::HPEN CreatePen(int style, int width, win::COLORREF color) override;
  win::BOOL MoveToEx(win::HDC dc, int x, int y, win::POINT* previous) override;
  win::BOOL LineTo(win::HDC dc, int x, int y) override;
  win::HFONT CreateFontIndirectA(const win::LOGFONTA* font) override;
  win::BOOL GetTextExtentPoint32A(win::HDC dc, const char* text, int length,
                                  win::SIZE* size) override;

  win::BOOL DrawEdge(win::HDC dc, win::RECT* rect, win::UINT edge, win::UINT flags) override;
  win::BOOL DrawFocusRect(win::HDC dc, const win::RECT* rect) override;
  win::BOOL DrawStateA(win::HDC dc, win::HBRUSH brush, const char* text, int length, int x, int y,
                       int width, int height, win::UINT flags) override;
  win::BOOL DestroyIcon(win::HICON icon) override;

  win::HRGN CreateRectRgn(int left, int top, int right, int bottom) override;
  win::HRGN ExtCreateRegion(const win::RECT* rects, win::DWORD count) override;
  int CombineRgn(win::HRGN destination, win::HRGN source1, win::HRGN source2, int mode) override;
  win::BOOL PtInRegion(win::HRGN region, int x, int y) override;
  int SetWindowRgn(win::HWND window, win::HRGN region, win::BOOL redraw) override;

  // --- for tests ---

  // DCs not yet deleted or released, and GDI objects (bitmaps, brushes, pens,
  // fonts, regions) not yet freed; stock objects and window regions excluded.
  int LiveDCs() const { return static_cast<int>(dcs_.size()); }
  int LiveBitmaps() const;
  int LiveObjects() const { return static_cast<int>(objects_.size()); }

  // Every pixel of a bitmap, row by row, as COLORREFs (monochrome: black or white).
  std::vector<win::COLORREF> Pixels(win::HBITMAP bitmap) const;
  int BitsPerPixel(win::HBITMAP bitmap) const;
  win::HBITMAP SelectedBitmap(win::HDC dc) const;
  // The region the system holds for a window, if any.
  const SimRegion* WindowRegion(win::HWND window) const;
  // Icons and cursors handed out by MakeIcon and not yet destroyed.
  win::HICON MakeIcon();
  int LiveIcons() const { return static_cast<int>(icons_.size()); }
  bool LiveIcon(win::HICON icon) const { return icons_.count(icon) != 0; }

  struct EdgeCall {
    win::HDC dc;
    win::RECT rect;  // as passed, before any BF_ADJUST
    win::UINT edge;
    win::UINT flags;
  };
  struct FocusRectCall {
    win::HDC dc;
    win::RECT rect;
    win::COLORREF textColor;
  };
  struct TextCall {
    win::HDC dc;
    std::string text;
    int x, y, width, height;
    win::UINT flags;
    win::COLORREF textColor;
    std::string face;
    int bkMode;
  };
  const std::vector<EdgeCall>& Edges() const { return edges_; }
  const std::vector<FocusRectCall>& FocusRects() const { return focusRects_; }
  const std::vector<TextCall>& Texts() const { return texts_; }
  void ClearRecords();

  // Replaces a system colour (tests of colour resolution).
  void SetSysColor(int index, win::COLORREF color) { sysColors_.at(index) = color; }

  // A display of 16 bits per pixel (5-6-5): GetPixel reports the colour as
  // the display shows it, each channel cut to its bits, while GetDIBits
  // keeps a bitmap's own pixels. Two reads of one image can then disagree.
  int displayBitsPerPixel = 32;
  // GetDIBits fails (answers 0) for the reads this says so of, by first scan.
  std::function<bool(win::UINT startScan)> refuseGetDIBits;

 private:
  struct Bitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    std::vector<win::COLORREF> pixels;  // colour: COLORREF; mono: 0 or 1
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  };
  struct Pen {
    win::COLORREF color;
  };
  struct Brush {
    win::COLORREF color;
  };
  struct Font {
    win::LOGFONTA logFont;
  };
  enum class Kind { Bitmap, Pen, Brush, Font, Region };
  struct Object {
    explicit Object(Kind k) : kind(k) {}
    Kind kind;
    Bitmap bitmap;
    Pen pen{};
    Brush brush{};
    Font font{};
    SimRegion region;
    int selections = 0;          // DCs that hold it
    bool deletePending = false;  // DeleteObject while selected: freed on release
    bool stock = false;
  };
  struct Dc {
    bool memory = true;
    win::HBITMAP bitmap = 0;
    win::HPEN pen = 0;
    win::HBRUSH brush = 0;
    win::HFONT font = 0;
    win::COLORREF bkColor = 0xFFFFFF;
    win::COLORREF textColor = 0;
    int bkMode = win::OPAQUE;
    win::POINT position{0, 0};
  };

  Object* Find(win::HGDIOBJ handle);
  const Object* Find(win::HGDIOBJ handle) const;
  Dc* FindDc(win::HDC dc);
  Bitmap* SelectedBitmapOf(Dc& dc);
  win::HGDIOBJ Add(Object object);
  win::HDC NewDc(bool memory);
  void Release(win::HGDIOBJ handle);
  win::HBITMAP NewBitmap(int width, int height, int bitsPerPixel);
  int CompatibleDepth(win::HDC dc);
  void PutPixel(Bitmap& bitmap, int x, int y, win::COLORREF color);
  int TextCellHeight(const Dc& dc);
  std::string FaceOf(const Dc& dc);

  std::map<win::HGDIOBJ, Object> objects_;
  std::map<win::HGDIOBJ, Object> stock_;
  std::map<win::HDC, Dc> dcs_;
  std::map<win::HWND, SimRegion> windowRegions_;
  std::map<win::HICON, bool> icons_;
  std::vector<win::COLORREF> sysColors_;
  std::uintptr_t next_ = 0x1000;
  win::HBITMAP stockBitmap_ = 0;
  win::HPEN stockPen_ = 0;
  win::HBRUSH stockBrush_ = 0;
  win::HFONT stockFont_ = 0;

  std::vector<EdgeCall> edges_;
  std::vector<FocusRectCall> focusRects_;
  std::vector<TextCall> texts_;
};

}  // namespace sim
