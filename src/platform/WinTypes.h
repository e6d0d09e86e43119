// The Win32 types and values the portable code uses, as plain integers.
// Only src/platform/win32 and src/app see <windows.h>; everything else sees
// these names, spelled as Windows spells them. Include this before <windows.h>
// where both are needed: the Windows macros of the same names would otherwise
// rewrite these declarations.
#pragma once

#include <cstdint>

#if defined(_WINDOWS_) || defined(_INC_WINDOWS)
#error "include the platform seam headers before <windows.h>"
#endif

namespace win {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = std::uint32_t;
using BOOL = std::int32_t;
using LSTATUS = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;

// Handles are opaque pointer-sized integers; 0 is "no handle".
using HANDLE = std::uintptr_t;
using HWND = std::uintptr_t;
using HKEY = std::uintptr_t;
using HICON = std::uintptr_t;
using HCURSOR = std::uintptr_t;
using HBITMAP = std::uintptr_t;
using HINSTANCE = std::uintptr_t;

// A point in pixels.
struct POINT {
  LONG x;
  LONG y;
};

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// System error codes.
constexpr LSTATUS ERROR_SUCCESS = 0;
constexpr LSTATUS ERROR_FILE_NOT_FOUND = 2;
constexpr LSTATUS ERROR_ACCESS_DENIED = 5;
constexpr LSTATUS ERROR_INVALID_HANDLE = 6;
constexpr LSTATUS ERROR_INVALID_PARAMETER = 87;
constexpr LSTATUS ERROR_BAD_PATHNAME = 161;
constexpr LSTATUS ERROR_MORE_DATA = 234;
constexpr LSTATUS ERROR_NO_MORE_ITEMS = 259;
constexpr LSTATUS ERROR_KEY_DELETED = 1018;

// A display monitor, and what MonitorFromWindow answers for a window on
// none: nothing, the primary one, or the nearest.
using HMONITOR = std::uintptr_t;
constexpr DWORD MONITOR_DEFAULTTONULL = 0;
constexpr DWORD MONITOR_DEFAULTTOPRIMARY = 1;
constexpr DWORD MONITOR_DEFAULTTONEAREST = 2;

}  // namespace win
