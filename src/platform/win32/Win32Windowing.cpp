#include "platform/win32/Win32Windowing.h"

#include <map>
#include <stdexcept>
#include <string>

#include "platform/win32/Win32Ownership.h"
#include "platform/win32/Win32WindowBase.h"

#include <windows.h>

namespace win32 {
namespace {

HWND H(win::HWND handle) { return reinterpret_cast<HWND>(handle); }
win::HWND W(HWND handle) { return reinterpret_cast<win::HWND>(handle); }

// The density a window is shown at: its monitor's where the system says so
// per window (Windows 10 1607 on), else the system's.
int DpiOf(HWND window) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow != nullptr && window != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi > 0) return static_cast<int>(dpi);
  }
  const UniqueScreenDC screen(::GetDC(nullptr));
  const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

// The standard controls' font at a density. The stock GUI font is made for
// the system's density; at any other (a monitor of its own) the same font is
// made at that density's size, once for the process's life.
HFONT GuiFontFor(int dpi) {
  const auto stock = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  const int system = DpiOf(nullptr);
  if (dpi == system) return stock;
  static std::map<int, UniqueGdi<HFONT>> fonts;
  auto& font = fonts[dpi];
  if (!font) {
    LOGFONTA logFont{};
    ::GetObjectA(stock, sizeof logFont, &logFont);
    logFont.lfHeight = ::MulDiv(logFont.lfHeight, dpi, system);
    font.reset(::CreateFontIndirectA(&logFont));
  }
  return font ? font.get() : stock;
}

void SetFontFor(HWND window, int dpi) {
  ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFontFor(dpi)), TRUE);
}

// A window's own pointer, answered by its parent form to WM_SETCURSOR.
constexpr char kCursorProperty[] = "KV3050P.Cursor";

// What every window of ours does alike, given its handle.
template <class Interface>
class Win32Window : public Interface {
 public:
  Win32Window() = default;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  win::HWND Handle() const override { return W(Hwnd()); }
  win::BOOL ShowWindow(int command) override { return ::ShowWindow(Hwnd(), command); }
  bool IsWindowVisible() const override { return ::IsWindowVisible(Hwnd()) != FALSE; }
  void EnableWindow(bool enabled) override { ::EnableWindow(Hwnd(), enabled ? TRUE : FALSE); }
  bool IsWindowEnabled() const override { return ::IsWindowEnabled(Hwnd()) != FALSE; }
  bool HasCapture() const override { return ::GetCapture() == Hwnd(); }
  void MoveWindow(const platform::PixelRect& rect) override {
    ::MoveWindow(Hwnd(), rect.left, rect.top, rect.width, rect.height, TRUE);
  }
  void SetCursor(win::HCURSOR cursor) override {
    if (cursor == 0) {
      ::RemovePropA(Hwnd(), kCursorProperty);
    } else {
      ::SetPropA(Hwnd(), kCursorProperty, reinterpret_cast<HANDLE>(cursor));
    }
  }
  platform::PixelRect WindowRect() const override {
    RECT rect{};
    ::GetWindowRect(Hwnd(), &rect);
    if (HWND parent = ::GetParent(Hwnd()); parent != nullptr) {
      ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    }
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
  }

 protected:
  virtual HWND Hwnd() const = 0;
};

// A standard control: a window of a system class, destroyed with its object.
template <class Interface>
class StandardControl : public Win32Window<Interface> {
 public:
  explicit StandardControl(HWND handle) : window_(handle) {
    if (!window_) {
      throw std::runtime_error("CreateWindowExA failed with error " +
                               std::to_string(::GetLastError()));
    }
  }

 protected:
  HWND Hwnd() const override { return window_.get(); }

 private:
  UniqueWindow window_;
};

// What a combo box's parent answers to WM_CTLCOLORLISTBOX, for the closed box
// and for its dropped list alike.
struct ChildColors {
  COLORREF back = 0;
  HBRUSH brush = nullptr;
};
constexpr char kColorsProperty[] = "KV3050P.Colors";

const ChildColors* ColorsOf(HWND control) {
  return static_cast<const ChildColors*>(::GetPropA(control, kColorsProperty));
}

class FormWindow final : public Win32Window<platform::FormWindow>, private WindowBase {
 public:
  int Dpi() const override { return DpiOf(Hwnd()); }
  explicit FormWindow(const platform::FormSpec& spec) {
    int left = CW_USEDEFAULT;
    int top = CW_USEDEFAULT;
    if (spec.centered) {
      left = (::GetSystemMetrics(SM_CXSCREEN) - spec.clientWidth) / 2;
      top = (::GetSystemMetrics(SM_CYSCREEN) - spec.clientHeight) / 2;
    }
    WNDCLASSEXA windowClass{};
    windowClass.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = platform::kFormClass;
    // No caption and no frame, so the client area is the whole window; the
    // system menu and minimise box let the taskbar minimise and restore it.
    CreateBound(windowClass, WS_EX_APPWINDOW | WS_EX_CONTROLPARENT, spec.caption.c_str(),
                WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, left, top,
                spec.clientWidth, spec.clientHeight, nullptr);
    // Focus rectangles stay hidden until the keyboard is used in the window,
    // as in a dialog opened with the mouse.
    ::SendMessageA(Hwnd(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL),
                   0);
  }
  // The window goes while the procedure it calls still lives.
  ~FormWindow() override { DestroyNow(); }

  void SetProcedure(platform::WindowProcedure procedure) override {
    procedure_ = std::move(procedure);
  }
  void SetWindowTextA(const std::string& text) override { ::SetWindowTextA(Hwnd(), text.c_str()); }
  bool IsIconic() const override { return ::IsIconic(Hwnd()) != FALSE; }
  void SetBackgroundBitmap(win::HBITMAP bitmap) override {
    background_ = reinterpret_cast<HBITMAP>(bitmap);
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
  }
  void SetIcon(win::HICON large, win::HICON small) override {
    ::SendMessageA(Hwnd(), WM_SETICON, ICON_BIG, static_cast<LPARAM>(large));
    ::SendMessageA(Hwnd(), WM_SETICON, ICON_SMALL, static_cast<LPARAM>(small));
  }

 private:
  HWND Hwnd() const override { return WindowBase::Hwnd(); }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (procedure_) {
      // A copy: the portable code may replace the procedure while it runs.
      const platform::WindowProcedure procedure = procedure_;
      if (const auto result = procedure(message, wParam, lParam)) return *result;
    }
    switch (message) {
      case WM_CTLCOLORLISTBOX:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORSTATIC: {
        const ChildColors* colors = ColorsOf(reinterpret_cast<HWND>(lParam));
        if (colors == nullptr) break;
        ::SetBkColor(reinterpret_cast<HDC>(wParam), colors->back);
        return reinterpret_cast<LRESULT>(colors->brush);
      }
      case WM_SETCURSOR: {
        // Children ask their parent first: a child with a pointer of its own
        // (the hand over the scroll bars) gets it here.
        HANDLE cursor = ::GetPropA(reinterpret_cast<HWND>(wParam), kCursorProperty);
        if (cursor == nullptr) break;
        ::SetCursor(static_cast<HCURSOR>(cursor));
        return TRUE;
      }
      case WM_ERASEBKGND:
        if (background_ != nullptr) {
          PaintBackground(reinterpret_cast<HDC>(wParam));
          return 1;
        }
        break;
      default:
        break;
    }
    return WindowBase::OnMessage(message, wParam, lParam);
  }

  void PaintBackground(HDC dc) const {
    BITMAP size{};
    ::GetObjectA(background_, sizeof size, &size);
    const UniqueMemoryDC source(::CreateCompatibleDC(dc));
    const Selection showing(source.get(), background_);
    ::BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, source.get(), 0, 0, SRCCOPY);
  }

  platform::WindowProcedure procedure_;
  HBITMAP background_ = nullptr;
};

HWND CreateChild(const char* windowClass, DWORD style, const platform::ChildSpec& spec) {
  static int nextId = 100;
  style |= WS_CHILD | WS_TABSTOP;
  if (spec.visible) style |= WS_VISIBLE;
  if (!spec.enabled) style |= WS_DISABLED;
  HWND handle = ::CreateWindowExA(0, windowClass, spec.text.c_str(), style, spec.rect.left,
                                  spec.rect.top, spec.rect.width, spec.rect.height, H(spec.parent),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)),
                                  ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFontFor(DpiOf(handle))), FALSE);
  return handle;
}

class ComboBoxWindow final : public StandardControl<platform::ComboBoxWindow> {
 public:
  explicit ComboBoxWindow(const platform::ChildSpec& spec)
      : StandardControl(CreateDropDownList(spec)) {
    SetFieldHeight(spec.rect.height);
    // The dropped list reports its colours with its own handle.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (::GetComboBoxInfo(Hwnd(), &info) != FALSE) list_ = info.hwndList;
  }
  ~ComboBoxWindow() override {
    for (HWND window : {Hwnd(), list_}) {
      if (window != nullptr) ::RemovePropA(window, kColorsProperty);
    }
  }

  // Laid out again at another density: the list's room and the font follow.
  void MoveWindow(const platform::PixelRect& rect) override {
    const int dpi = DpiOf(Hwnd());
    ::MoveWindow(Hwnd(), rect.left, rect.top, rect.width, rect.height + ListRoom(dpi), TRUE);
    SetFontFor(Hwnd(), dpi);
    SetFieldHeight(rect.height);
  }

  int AddString(const std::string& text) override {
    return static_cast<int>(
        ::SendMessageA(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  }
  void SetCurSel(int index) override {
    ::SendMessageA(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
  int GetCurSel() const override {
    return static_cast<int>(::SendMessageA(Hwnd(), CB_GETCURSEL, 0, 0));
  }
  void SetBackColor(win::COLORREF color) override {
    UniqueGdi<HBRUSH> brush(::CreateSolidBrush(color));
    if (!brush) return;
    colors_ = ChildColors{color, brush.get()};
    brush_ = std::move(brush);
    for (HWND window : {Hwnd(), list_}) {
      if (window != nullptr) ::SetPropA(window, kColorsProperty, &colors_);
    }
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
  }

 private:
  // The dropped list's room below the closed box: 160 pixels at 96 dpi.
  static int ListRoom(int dpi) { return ::MulDiv(160, dpi, 96); }
  // The closed box is as high as the layout says; the list drops below it.
  void SetFieldHeight(int height) {
    const int field = height - 6;
    if (field > 0) ::SendMessageA(Hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  }
  static HWND CreateDropDownList(platform::ChildSpec spec) {
    spec.rect.height += ListRoom(DpiOf(H(spec.parent)));
    return CreateChild("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, spec);
  }

  HWND list_ = nullptr;
  // What the parent hands out; the properties that point here go first.
  UniqueGdi<HBRUSH> brush_;
  ChildColors colors_;
};

class ScrollBarWindow final : public StandardControl<platform::ScrollBarWindow> {
 public:
  explicit ScrollBarWindow(const platform::ChildSpec& spec)
      : StandardControl(CreateChild("SCROLLBAR", SBS_HORZ, spec)) {}

  void SetScrollInfo(int range, int page, int position) override {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = range;
    info.nPage = static_cast<UINT>(page);
    info.nPos = position;
    ::SetScrollInfo(Hwnd(), SB_CTL, &info, TRUE);
  }
  int GetTrackPos() const override {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_TRACKPOS;
    ::GetScrollInfo(Hwnd(), SB_CTL, &info);
    return info.nTrackPos;
  }
};

class CheckBoxWindow final : public StandardControl<platform::CheckBoxWindow> {
 public:
  explicit CheckBoxWindow(const platform::ChildSpec& spec)
      : StandardControl(CreateChild("BUTTON", BS_AUTOCHECKBOX, spec)) {}

  void SetCheck(bool checked) override {
    ::SendMessageA(Hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  bool GetCheck() const override {
    return ::SendMessageA(Hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
};

}  // namespace

std::unique_ptr<platform::FormWindow> Win32Windowing::CreateForm(const platform::FormSpec& spec) {
  return std::make_unique<FormWindow>(spec);
}

std::unique_ptr<platform::ComboBoxWindow> Win32Windowing::CreateComboBox(
    const platform::ChildSpec& spec) {
  return std::make_unique<ComboBoxWindow>(spec);
}

std::unique_ptr<platform::ScrollBarWindow> Win32Windowing::CreateScrollBar(
    const platform::ChildSpec& spec) {
  return std::make_unique<ScrollBarWindow>(spec);
}

std::unique_ptr<platform::CheckBoxWindow> Win32Windowing::CreateCheckBox(
    const platform::ChildSpec& spec) {
  return std::make_unique<CheckBoxWindow>(spec);
}

int Win32Windowing::MessageBoxA(win::HWND owner, const std::string& text,
                                const std::string& caption, win::UINT type) {
  return ::MessageBoxA(H(owner), text.c_str(), caption.c_str(), type);
}

win::BOOL Win32Windowing::PostMessageA(win::HWND window, win::UINT message, win::WPARAM wParam,
                                       win::LPARAM lParam) {
  return ::PostMessageA(H(window), message, wParam, lParam);
}

win::LRESULT Win32Windowing::SendMessageA(win::HWND window, win::UINT message, win::WPARAM wParam,
                                          win::LPARAM lParam) {
  return ::SendMessageA(H(window), message, wParam, lParam);
}

win::BOOL Win32Windowing::ReleaseCapture() { return ::ReleaseCapture(); }

win::HWND Win32Windowing::GetFocus() { return reinterpret_cast<win::HWND>(::GetFocus()); }

void Win32Windowing::SetFocus(win::HWND window) { ::SetFocus(H(window)); }

bool Win32Windowing::IsChild(win::HWND parent, win::HWND window) {
  return ::IsChild(H(parent), H(window)) != FALSE;
}

int Win32Windowing::TrackPopupMenu(const std::vector<std::string>& items,
                                   const std::vector<bool>& checked, win::UINT flags,
                                   win::HWND owner) {
  const UniqueMenu menu(::CreatePopupMenu());
  for (std::size_t i = 0; i < items.size(); ++i) {
    const UINT check = i < checked.size() && checked[i] ? MF_CHECKED : MF_UNCHECKED;
    ::AppendMenuA(menu.get(), MF_STRING | check, i + 1, items[i].c_str());
  }
  POINT at{};
  ::GetCursorPos(&at);
  // A menu of a window that is not in the foreground would stay open when
  // the user clicks elsewhere; the empty message afterwards lets it close.
  ::SetForegroundWindow(H(owner));
  const int command = static_cast<int>(::TrackPopupMenu(
      menu.get(), flags | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, H(owner), nullptr));
  ::PostMessageA(H(owner), WM_NULL, 0, 0);
  return command - 1;
}

// Not LR_SHARED: a shared image is the first one loaded under the name,
// whatever size is asked for later.
win::HICON Win32Windowing::LoadIconA(const std::string& resourceName, int width, int height) {
  return reinterpret_cast<win::HICON>(::LoadImageA(
      ::GetModuleHandleA(nullptr), resourceName.c_str(), IMAGE_ICON, width, height, 0));
}

win::HCURSOR Win32Windowing::LoadCursorA(const std::string& resourceName, int width, int height) {
  return reinterpret_cast<win::HCURSOR>(::LoadImageA(
      ::GetModuleHandleA(nullptr), resourceName.c_str(), IMAGE_CURSOR, width, height, 0));
}

win::UINT Win32Windowing::RegisterWindowMessageA(const std::string& name) {
  return ::RegisterWindowMessageA(name.c_str());
}

win::HWND Win32Windowing::FindWindowExA(win::HWND after, const std::string& className) {
  return W(::FindWindowExA(nullptr, H(after), className.c_str(), nullptr));
}

win::DWORD Win32Windowing::GetWindowThreadProcessId(win::HWND window, win::DWORD* processId) {
  DWORD process = 0;
  const DWORD thread = ::GetWindowThreadProcessId(H(window), &process);
  if (thread != 0 && processId != nullptr) *processId = process;
  return thread;
}

win::BOOL Win32Windowing::AllowSetForegroundWindow(win::DWORD processId) {
  return ::AllowSetForegroundWindow(processId);
}

win::BOOL Win32Windowing::SetForegroundWindow(win::HWND window) {
  return ::SetForegroundWindow(H(window));
}

win::HMONITOR Win32Windowing::MonitorFromWindow(win::HWND window, win::DWORD flags) {
  return reinterpret_cast<win::HMONITOR>(::MonitorFromWindow(H(window), flags));
}

std::optional<platform::MonitorInfo> Win32Windowing::GetMonitorInfoA(win::HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!::GetMonitorInfoA(reinterpret_cast<HMONITOR>(monitor), &info)) return std::nullopt;
  const auto pixels = [](const RECT& r) {
    return platform::PixelRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
  };
  return platform::MonitorInfo{pixels(info.rcMonitor), pixels(info.rcWork)};
}

}  // namespace win32
