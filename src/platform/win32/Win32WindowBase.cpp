#include "platform/win32/Win32WindowBase.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <utility>

namespace win32 {
namespace {

[[noreturn]] void Fail(const char* call) {
  throw std::runtime_error(std::string(call) + " failed with error " +
                           std::to_string(::GetLastError()));
}

}  // namespace

WindowBase::~WindowBase() {
  if (hwnd_ == nullptr) return;
  ::SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  ::DestroyWindow(std::exchange(hwnd_, nullptr));
}

void WindowBase::CreateBound(WNDCLASSEXA windowClass, DWORD exStyle, const char* text, DWORD style,
                             int left, int top, int width, int height, HWND parent) {
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &WindowBase::Thunk;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  WNDCLASSEXA registered{};
  if (::GetClassInfoExA(windowClass.hInstance, windowClass.lpszClassName, &registered) == FALSE &&
      ::RegisterClassExA(&windowClass) == 0) {
    Fail("RegisterClassExA");
  }
  if (::CreateWindowExA(exStyle, windowClass.lpszClassName, text, style, left, top, width, height,
                        parent, nullptr, windowClass.hInstance, this) == nullptr) {
    Fail("CreateWindowExA");
  }
}

void WindowBase::DestroyNow() {
  // WM_NCDESTROY clears the handle on the way.
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

LRESULT WindowBase::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::Thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created =
        static_cast<WindowBase*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    created->hwnd_ = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<WindowBase*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->OnMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    // A handler failed: say so where a debugger listens, and let the message
    // have its default processing.
    ::OutputDebugStringA((std::string("window message handler failed: ") + error.what()).c_str());
    result = ::DefWindowProcA(window, message, wParam, lParam);
  } catch (...) {
    ::OutputDebugStringA("window message handler failed");
    result = ::DefWindowProcA(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace win32
