// Pictures drawn from text and pixels read back, over whichever GDI is installed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Gdi.h"
#include "platform/Picture.h"

namespace testing_support {

// A top-down 32-bit DIB pixel (0x00RRGGBB) of a COLORREF (0x00BBGGRR), and back.
std::uint32_t ToDib(win::COLORREF color);
win::COLORREF FromDib(std::uint32_t pixel);

// A colour picture from rows of characters, each a key of the palette.
platform::PicturePtr PictureFromRows(const std::vector<std::string>& rows,
                                     const std::map<char, win::COLORREF>& palette);
platform::PicturePtr PictureFromColors(int width, int height,
                                       const std::vector<win::COLORREF>& colors);

// The pixels of a DC's area, row by row, as COLORREFs (one bulk read).
std::vector<win::COLORREF> ReadPixels(win::HDC dc, int x, int y, int width, int height);

// Fills a DC's area with colours, row by row (one bulk copy).
void WritePixels(win::HDC dc, int x, int y, int width, int height,
                 const std::vector<win::COLORREF>& colors);

}  // namespace testing_support
