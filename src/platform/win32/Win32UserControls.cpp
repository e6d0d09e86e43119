#include "platform/win32/Win32UserControls.h"

#include "platform/UserControlSurfaceBase.h"
#include "platform/win32/Win32AccessKeys.h"
#include "platform/win32/Win32Accessible.h"
#include "platform/win32/Win32DragDrop.h"
#include "platform/win32/Win32MouseKeys.h"
#include "platform/win32/Win32Ownership.h"
#include "platform/win32/Win32WindowBase.h"

#include <string>

namespace win32 {
namespace {

constexpr char kClassName[] = "KV3050P.UserControl";

template <class Handle>
Handle H(std::uintptr_t value) {
  return reinterpret_cast<Handle>(value);
}

int KeyShiftState() {
  return (::GetKeyState(VK_SHIFT) < 0 ? platform::kShiftMask : 0) |
         (::GetKeyState(VK_CONTROL) < 0 ? platform::kCtrlMask : 0) |
         (::GetKeyState(VK_MENU) < 0 ? platform::kAltMask : 0);
}

// The system cursor of one of the toolkit's pointer numbers.
LPCSTR SystemCursor(int pointer) {
  switch (pointer) {
    case 2:
      return IDC_CROSS;
    case 3:
      return IDC_IBEAM;
    case 5:
    case 15:
      return IDC_SIZEALL;
    case 6:
      return IDC_SIZENESW;
    case 7:
      return IDC_SIZENS;
    case 8:
      return IDC_SIZENWSE;
    case 9:
      return IDC_SIZEWE;
    case 10:
      return IDC_UPARROW;
    case 11:
      return IDC_WAIT;
    case 12:
      return IDC_NO;
    case 13:
      return IDC_APPSTARTING;
    case 14:
      return IDC_HELP;
    default:
      return IDC_ARROW;
  }
}

// --- the site ---

class Win32Surface final : public platform::UserControlSurfaceBase,
                           private WindowBase,
                           private AccessKeySite,
                           private DropSite {
 public:
  Win32Surface(OleSession& ole, win::HWND parent, int left, int top, int width, int height)
      : UserControlSurfaceBase(left, top, width, height), ole_(ole) {
    WNDCLASSEXA windowClass{};
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    CreateBound(windowClass, 0, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, left, top,
                width, height, H<HWND>(parent));
    SetFocusCuesShown(WindowShowsFocusCues());
    accessible_->query = [this]() -> std::optional<platform::AccessibleFacts> {
      return Events() != nullptr ? Events()->OnAccessibleQuery() : std::nullopt;
    };
  }
  ~Win32Surface() override {
    // Objects that assistive technology still holds outlive the site.
    accessible_->query = nullptr;
    // Revoked while the window is still there to revoke it from.
    AcceptDrops(false);
    DestroyNow();
  }

  win::HWND hwnd() const override { return reinterpret_cast<win::HWND>(Hwnd()); }

  void Refresh() override {
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    ::UpdateWindow(Hwnd());
  }

  void OLEDrag() override {
    platform::UserControlEvents* events = Events();
    if (events == nullptr) return;
    platform::DataObject data;
    std::int32_t allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    events->OnOLEStartDrag(data, allowed);
    std::int32_t effect = DROPEFFECT_NONE;
    // Each object deletes itself at its last Release, which the analyzer
    // cannot follow once DoDragDrop has held references of its own.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    if (allowed != 0 && !data.Formats().empty() && ole_.Ensure()) {
      effect = DragData(data, events, allowed);
    }
    events->OnOLECompleteDrag(effect);
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
  }

 protected:
  void ResizeWindow(int width, int height) override {
    // WM_SIZE reports the new size before this returns.
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, width, height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void MoveWindow(int left, int top) override {
    ::SetWindowPos(Hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  void EnableWindow(bool enabled) override { ::EnableWindow(Hwnd(), enabled ? TRUE : FALSE); }
  void ShowSiteWindow(bool visible) override {
    ::ShowWindow(Hwnd(), visible ? SW_SHOWNA : SW_HIDE);
  }
  void SetSiteWindowText(const std::string& text) override {
    ::SetWindowTextA(Hwnd(), text.c_str());
  }
  void InvalidateWindow() override { ::InvalidateRect(Hwnd(), nullptr, FALSE); }
  void AcceptDrops(bool accept) override {
    if (!accept) {
      drops_.reset();
    } else if (!drops_ && ole_.Ensure()) {  // without OLE the site takes no drops
      drops_ = RegisterDropTarget(*this);
    }
  }

 private:
  HWND AccessKeyWindow() const override { return Hwnd(); }
  bool HoldsAccessKey(char key) const override { return HasAccessKey(key); }
  void PressAccessKey(char key) override {
    if (Events() != nullptr) Events()->OnAccessKeyPress(key);
  }

  HWND DropWindow() const override { return Hwnd(); }
  platform::UserControlEvents* DropEvents() const override { return Events(); }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    LRESULT result = 0;
    if (Handle(message, wParam, lParam, result)) return result;
    return WindowBase::OnMessage(message, wParam, lParam);
  }

  // Returns whether the message was handled (with result).
  bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    platform::UserControlEvents* events = Events();
    const float x = static_cast<float>(static_cast<short>(LOWORD(lParam)));
    const float y = static_cast<float>(static_cast<short>(HIWORD(lParam)));
    switch (message) {
      case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC target = ::BeginPaint(Hwnd(), &paint);
        ::BitBlt(target, 0, 0, ScaleWidth(), ScaleHeight(), H<HDC>(hdc()), 0, 0, SRCCOPY);
        ::EndPaint(Hwnd(), &paint);
        return true;
      }
      case WM_ERASEBKGND:
        result = 1;
        return true;
      case WM_SIZE:
        Sized(LOWORD(lParam), HIWORD(lParam));
        return true;
      case WM_SETCURSOR: {
        if (LOWORD(lParam) != HTCLIENT) return false;
        const std::intptr_t cursor = CursorToShow();
        if (cursor == 0) return false;
        ::SetCursor(cursor > 0 ? H<HCURSOR>(static_cast<std::uintptr_t>(cursor))
                               : ::LoadCursorA(nullptr, SystemCursor(static_cast<int>(-cursor))));
        result = TRUE;
        return true;
      }
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN: {
        const int button = message == WM_LBUTTONDOWN   ? platform::kLeftButton
                           : message == WM_RBUTTONDOWN ? platform::kRightButton
                                                       : platform::kMiddleButton;
        if (::GetFocus() != Hwnd()) ::SetFocus(Hwnd());
        // Moves keep coming while a button is held, also outside the window.
        ::SetCapture(Hwnd());
        if (button == platform::kLeftButton) clickArmed_ = true;
        if (events != nullptr) events->OnMouseDown(button, ShiftState(wParam), x, y);
        return true;
      }
      case WM_LBUTTONUP:
      case WM_RBUTTONUP:
      case WM_MBUTTONUP: {
        const int button = message == WM_LBUTTONUP   ? platform::kLeftButton
                           : message == WM_RBUTTONUP ? platform::kRightButton
                                                     : platform::kMiddleButton;
        const bool click = button == platform::kLeftButton && clickArmed_ && Inside(x, y);
        if (button == platform::kLeftButton) clickArmed_ = false;
        if (HeldButtons(wParam) == 0 && ::GetCapture() == Hwnd()) ::ReleaseCapture();
        if (events != nullptr) events->OnMouseUp(button, ShiftState(wParam), x, y);
        if (click && events != nullptr) events->OnClick();
        return true;
      }
      case WM_MOUSEMOVE:
        if (events != nullptr) events->OnMouseMove(HeldButtons(wParam), ShiftState(wParam), x, y);
        return true;
      case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != Hwnd()) clickArmed_ = false;
        return false;
      case WM_GETDLGCODE: {
        // Enter and Escape come to the control, as Space does, rather than
        // becoming the dialog manager's OK and Cancel.
        const auto* pending = reinterpret_cast<const MSG*>(lParam);
        result = DLGC_WANTCHARS;
        if (pending != nullptr && pending->message == WM_KEYDOWN &&
            (pending->wParam == VK_RETURN || pending->wParam == VK_ESCAPE)) {
          result |= DLGC_WANTMESSAGE;
        }
        return true;
      }
      case WM_UPDATEUISTATE:
        result = ::DefWindowProcA(Hwnd(), message, wParam, lParam);
        SetFocusCuesShown(WindowShowsFocusCues());
        return true;
      case WM_GETOBJECT: {
        // Only assistive technology's request for the client object starts
        // OLE; the system's other requests keep their default answers.
        if (static_cast<LONG>(lParam) != OBJID_CLIENT || !ole_.Ensure()) return false;
        const auto answer = AnswerGetObject(Hwnd(), wParam, lParam, accessible_);
        if (!answer) return false;
        result = *answer;
        return true;
      }
      case kAccessibleDefaultAction:
        if (events != nullptr) events->OnAccessibleDefaultAction();
        return true;
      case WM_KEYDOWN:
      case WM_KEYUP: {
        std::int16_t keyCode = static_cast<std::int16_t>(wParam);
        std::int16_t shift = static_cast<std::int16_t>(KeyShiftState());
        if (events == nullptr) return false;
        if (message == WM_KEYDOWN) {
          events->OnKeyDown(keyCode, shift);
        } else {
          events->OnKeyUp(keyCode, shift);
        }
        return keyCode == 0;  // a handler that clears the key swallows it
      }
      case WM_CHAR: {
        std::int16_t keyAscii = static_cast<std::int16_t>(wParam);
        if (events != nullptr) events->OnKeyPress(keyAscii);
        return keyAscii == 0;
      }
      case WM_SETFOCUS:
        // The dialog manager shows the cues just before Tab moves the focus.
        SetFocusCuesShown(WindowShowsFocusCues());
        if (events != nullptr) events->OnGotFocus();
        return true;
      case WM_KILLFOCUS:
        if (events != nullptr) events->OnLostFocus();
        return true;
      default:
        return false;
    }
  }

  // The top-level window's keyboard cues: the ones Tab, the arrows and Alt
  // turn on there.
  bool WindowShowsFocusCues() const {
    const LRESULT state = ::SendMessageA(::GetAncestor(Hwnd(), GA_ROOT), WM_QUERYUISTATE, 0, 0);
    return (state & UISF_HIDEFOCUS) == 0;
  }

  // Inside the window and its region.
  bool Inside(float x, float y) const {
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    const POINT at{static_cast<LONG>(x), static_cast<LONG>(y)};
    if (!::PtInRect(&client, at)) return false;
    const UniqueGdi<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
    const int kind = ::GetWindowRgn(Hwnd(), region.get());
    return kind == ERROR || kind == NULLREGION || ::PtInRegion(region.get(), at.x, at.y);
  }

  OleSession& ole_;
  bool clickArmed_ = false;
  DropRegistration drops_;
  std::shared_ptr<AccessibleLink> accessible_ = std::make_shared<AccessibleLink>();
};

}  // namespace

std::unique_ptr<platform::UserControlSurface> Win32UserControls::Create(win::HWND parent, int left,
                                                                        int top, int width,
                                                                        int height) {
  return std::make_unique<Win32Surface>(ole_, parent, left, top, width, height);
}

bool Win32UserControls::TranslateAccessKey(win::HWND window, win::UINT message,
                                           win::WPARAM wParam) {
  return win32::TranslateAccessKey(H<HWND>(window), message, wParam);
}

}  // namespace win32
