#include "platform/win32/Win32DebugLog.h"

#include <windows.h>

namespace win32 {

void Win32DebugLog::OutputDebugStringA(const char* text) { ::OutputDebugStringA(text); }

}  // namespace win32
