// Owners of the native handles the backend holds, on the portable kit's
// template: the same move-only rules, freed by the Windows call itself.
// OLE's own start and end are OleSession's (Win32OleSession.h).
#pragma once

#include "platform/Ownership.h"

#include <windows.h>

namespace win32 {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
// A brush, font, region or bitmap of the backend's own.
template <class Handle>
using UniqueGdi = platform::UniqueHandle<Handle, GdiObjectDeleter>;

struct MemoryDcDeleter {
  void operator()(HDC dc) const { ::DeleteDC(dc); }
};
using UniqueMemoryDC = platform::UniqueHandle<HDC, MemoryDcDeleter>;

struct ScreenDcReleaser {
  void operator()(HDC dc) const { ::ReleaseDC(nullptr, dc); }
};
// GetDC(nullptr): the screen's DC.
using UniqueScreenDC = platform::UniqueHandle<HDC, ScreenDcReleaser>;

struct MenuDestroyer {
  void operator()(HMENU menu) const { ::DestroyMenu(menu); }
};
using UniqueMenu = platform::UniqueHandle<HMENU, MenuDestroyer>;

struct KernelHandleCloser {
  void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
// A process or token handle.
using UniqueHandle = platform::UniqueHandle<HANDLE, KernelHandleCloser>;

struct WindowDestroyer {
  void operator()(HWND window) const { ::DestroyWindow(window); }
};
// A window of a system class; ours bind to an object through WindowBase.
using UniqueWindow = platform::UniqueHandle<HWND, WindowDestroyer>;

struct SelectionRestorer {
  HDC dc = nullptr;
  void operator()(HGDIOBJ previous) const { ::SelectObject(dc, previous); }
};
// SelectObject for a scope, as platform::Selection is for portable code.
class Selection final : public platform::UniqueHandle<HGDIOBJ, SelectionRestorer> {
 public:
  Selection(HDC dc, HGDIOBJ object)
      : UniqueHandle(::SelectObject(dc, object), SelectionRestorer{dc}) {}
};

struct ComReleaser {
  template <class Interface>
  void operator()(Interface* object) const {
    object->Release();
  }
};
// One reference to a COM object: taken over from whoever made it (new, or an
// out-parameter through put()), released when this goes.
template <class Interface>
class ComPtr final : public platform::UniqueHandle<Interface*, ComReleaser> {
 public:
  using platform::UniqueHandle<Interface*, ComReleaser>::UniqueHandle;
  Interface* operator->() const { return this->get(); }
};

}  // namespace win32
