// Owners of the handles portable code holds. Each closes its handle through
// the seam when it goes, so no caller writes a close beside its open, and an
// early return or an exception frees what was made. The sim's leak counters
// then check these few types rather than every call site.
#pragma once

#include <utility>

#include "platform/Gdi.h"
#include "platform/Registry.h"
#include "platform/Threads.h"

namespace platform {

// One handle and the way to free it; the handle type's zero is "none" and is
// never freed. Move-only, so exactly one owner frees a handle, once. Close may
// carry state (the DC a selection goes back into); it moves with the handle.
template <class Handle, class Close>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle, Close close = Close{})
      : handle_(handle), close_(std::move(close)) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept
      : handle_(other.release()), close_(std::move(other.close_)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset(other.release());
      close_ = std::move(other.close_);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  // Frees the handle held (if any) and holds the given one.
  void reset(Handle handle = Handle{}) {
    const Handle old = std::exchange(handle_, handle);
    if (old != Handle{}) close_(old);
  }
  // Gives the handle up unfreed: someone else owns it now.
  Handle release() { return std::exchange(handle_, Handle{}); }
  // For a call that returns the handle through a pointer: frees what is held first.
  Handle* put() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_{};
  [[no_unique_address]] Close close_{};
};

// RegCloseKey, except for the predefined roots: an open call with an empty
// sub-key may hand back the caller's own root, which was never opened.
struct KeyCloser {
  void operator()(win::HKEY key) const;
};
using UniqueKey = UniqueHandle<win::HKEY, KeyCloser>;

// DeleteDC, for a DC made with CreateCompatibleDC.
struct DcDeleter {
  void operator()(win::HDC dc) const;
};
using UniqueDC = UniqueHandle<win::HDC, DcDeleter>;

// DeleteObject, for any GDI object: bitmap, brush, pen, font or region. A
// region handed to SetWindowRgn is released, since the system owns it then.
struct ObjectDeleter {
  void operator()(win::HGDIOBJ object) const;
};
using UniqueGdiObject = UniqueHandle<win::HGDIOBJ, ObjectDeleter>;

struct DcReleaser {
  win::HWND window = 0;
  void operator()(win::HDC dc) const;
};
// GetDC of a window (0: the screen), released from that window.
class WindowDC final : public UniqueHandle<win::HDC, DcReleaser> {
 public:
  explicit WindowDC(win::HWND window);
};

struct SelectionRestorer {
  win::HDC dc = 0;
  void operator()(win::HGDIOBJ previous) const;
};
// SelectObject for a scope: the DC gets back the object it held before. An
// object that could not be selected leaves nothing to restore. Declare it
// after the owners of the DC and the object, so it goes first: a selected
// bitmap cannot be deleted.
class Selection final : public UniqueHandle<win::HGDIOBJ, SelectionRestorer> {
 public:
  Selection() = default;
  Selection(win::HDC dc, win::HGDIOBJ object);
};

// The calling thread in a COM apartment for a scope, balanced only when the
// join succeeded. It takes the threads service it is given rather than the
// installed one: workers run it, and they may outlast an installation.
class ComApartment {
 public:
  ComApartment(Threads& threads, win::DWORD coInit);
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  Threads& threads_;
  win::HRESULT joined_;
};

}  // namespace platform
