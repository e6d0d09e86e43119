#include "platform/Font.h"

#include <algorithm>
#include <cmath>

namespace platform {

win::LOGFONTA Font::ToLogFont(double twipsPerPixelY) const {
  win::LOGFONTA font{};
  // Points to pixels: a point is 20 twips.
  const double pixels = Size * 20.0 / (twipsPerPixelY > 0 ? twipsPerPixelY : 15);
  font.lfHeight = -static_cast<win::LONG>(std::lround(pixels));
  font.lfWeight = Bold ? std::max<win::LONG>(Weight, win::FW_BOLD) : Weight;
  font.lfItalic = Italic ? 1 : 0;
  font.lfUnderline = Underline ? 1 : 0;
  font.lfStrikeOut = Strikethrough ? 1 : 0;
  font.lfCharSet = static_cast<win::BYTE>(Charset);
  const std::size_t length = std::min<std::size_t>(Name.size(), win::LF_FACESIZE - 1);
  std::copy_n(Name.begin(), length, font.lfFaceName);
  font.lfFaceName[length] = '\0';
  return font;
}

}  // namespace platform
