#include "platform/win32/Win32Resources.h"

#include <windows.h>

namespace win32 {

std::optional<std::string> Win32Resources::LoadResourceData(const std::string& name,
                                                            win::WORD type) {
  HRSRC found = ::FindResourceA(nullptr, name.c_str(), MAKEINTRESOURCEA(type));
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = ::LoadResource(nullptr, found);
  const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
  if (bytes == nullptr) return std::nullopt;
  return std::string(static_cast<const char*>(bytes), ::SizeofResource(nullptr, found));
}

}  // namespace win32
