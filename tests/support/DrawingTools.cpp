#include "support/DrawingTools.h"

#include "platform/Services.h"

namespace testing_support {

std::uint32_t ToDib(win::COLORREF color) {
  return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

win::COLORREF FromDib(std::uint32_t pixel) { return ToDib(pixel & 0xFFFFFF); }

platform::PicturePtr PictureFromColors(int width, int height,
                                       const std::vector<win::COLORREF>& colors) {
  std::vector<std::uint32_t> pixels;
  pixels.reserve(colors.size());
  for (win::COLORREF color : colors) pixels.push_back(ToDib(color));
  return platform::Picture::FromPixels(width, height, pixels);
}

platform::PicturePtr PictureFromRows(const std::vector<std::string>& rows,
                                     const std::map<char, win::COLORREF>& palette) {
  const int height = static_cast<int>(rows.size());
  const int width = height == 0 ? 0 : static_cast<int>(rows[0].size());
  std::vector<win::COLORREF> colors;
  for (const std::string& row : rows) {
    for (char key : row) colors.push_back(palette.at(key));
  }
  return PictureFromColors(width, height, colors);
}

std::vector<win::COLORREF> ReadPixels(win::HDC dc, int x, int y, int width, int height) {
  auto& gdi = platform::Use<platform::Gdi>();
  const win::HDC scratch = gdi.CreateCompatibleDC(dc);
  const win::HBITMAP bitmap = gdi.CreateCompatibleBitmap(dc, width, height);
  const win::HGDIOBJ previous = gdi.SelectObject(scratch, bitmap);
  gdi.BitBlt(scratch, 0, 0, width, height, dc, x, y, win::SRCCOPY);
  gdi.SelectObject(scratch, previous);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  gdi.GetDIBits(scratch, bitmap, 0, static_cast<win::UINT>(height), pixels.data());
  gdi.DeleteObject(bitmap);
  gdi.DeleteDC(scratch);
  std::vector<win::COLORREF> colors;
  colors.reserve(pixels.size());
  for (std::uint32_t pixel : pixels) colors.push_back(FromDib(pixel));
  return colors;
}

void WritePixels(win::HDC dc, int x, int y, int width, int height,
                 const std::vector<win::COLORREF>& colors) {
  auto& gdi = platform::Use<platform::Gdi>();
  std::vector<std::uint32_t> pixels;
  for (win::COLORREF color : colors) pixels.push_back(ToDib(color));
  const win::HBITMAP bitmap = gdi.CreateDIBitmap(dc, width, height, pixels.data());
  const win::HDC scratch = gdi.CreateCompatibleDC(dc);
  const win::HGDIOBJ previous = gdi.SelectObject(scratch, bitmap);
  gdi.BitBlt(dc, x, y, width, height, scratch, 0, 0, win::SRCCOPY);
  gdi.SelectObject(scratch, previous);
  gdi.DeleteDC(scratch);
  gdi.DeleteObject(bitmap);
}

}  // namespace testing_support
