// A font description as the toolkit's font objects hold it; the backends turn
// it into a real font (CreateFontIndirectA).
#pragma once

#include <memory>
#include <string>

#include "platform/Gdi.h"

namespace platform {

struct Font {
  std::string Name = "MS Sans Serif";  // in the system's ANSI code page
  double Size = 8.25;                  // points
  int Weight = win::FW_NORMAL;
  int Charset = win::ANSI_CHARSET;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strikethrough = false;

  bool operator==(const Font&) const = default;
  // The LOGFONTA of this font on a screen of the given twips per pixel.
  win::LOGFONTA ToLogFont(double twipsPerPixelY) const;
};

using FontPtr = std::shared_ptr<Font>;

}  // namespace platform
