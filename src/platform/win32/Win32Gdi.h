// gdi32 and the drawing parts of user32, one forward per call.
#pragma once

#include "platform/Gdi.h"

namespace win32 {

class Win32Gdi final : public platform::Gdi {
 public:
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
};

}  // namespace win32
