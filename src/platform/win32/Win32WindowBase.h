// The one thunk between Windows and the objects behind our window classes.
// The object and its handle are bound at WM_NCCREATE and unbound at
// WM_NCDESTROY, so that no message ever reaches an object that is gone, and
// no exception crosses into Windows, which cannot unwind it.
#pragma once

#include <windows.h>

namespace win32 {

class WindowBase {
 public:
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;

  // Null before creation and once the window is destroyed.
  HWND Hwnd() const { return hwnd_; }

 protected:
  WindowBase() = default;
  // A derived class calls DestroyNow in its own destructor, while the members
  // its messages use still live. Here the window is first unbound, so that a
  // window left over goes with the default processing alone.
  virtual ~WindowBase();

  // Registers the class (name, cursor, background and styles from
  // windowClass; the procedure and instance are filled in) on its first use
  // and creates a window bound to this object. Throws std::runtime_error
  // naming the call that failed and its error code.
  void CreateBound(WNDCLASSEXA windowClass, DWORD exStyle, const char* text, DWORD style, int left,
                   int top, int width, int height, HWND parent);
  void DestroyNow();

  // Every message of the window; the default processing for the rest.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

}  // namespace win32
