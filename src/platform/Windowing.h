// user32 windows as the toolkit uses them: one top-level form window whose
// messages the portable code handles first, child controls of the standard
// window classes, and modal message boxes.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

namespace win {

// Window messages.
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_NCLBUTTONDOWN = 0x00A1;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_XBUTTONDOWN = 0x020B;
constexpr UINT WM_XBUTTONUP = 0x020C;
// Sent to a window aware of each monitor's density when that density
// changes: wParam holds the new dots per inch, lParam the RECT it suggests.
constexpr UINT WM_DPICHANGED = 0x02E0;
constexpr UINT WM_APP = 0x8000;

constexpr WORD WA_INACTIVE = 0;
// WM_SYSCOMMAND: the window menu's (and the taskbar's, and Alt+F4's) Close.
// The low four bits of the command are the system's own.
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM HTCAPTION = 2;

// Mouse-message key states.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

// Notifications in WM_COMMAND.
constexpr WORD BN_CLICKED = 0;
constexpr WORD CBN_SELCHANGE = 1;

// WM_HSCROLL request codes.
constexpr WORD SB_LINELEFT = 0;
constexpr WORD SB_LINERIGHT = 1;
constexpr WORD SB_PAGELEFT = 2;
constexpr WORD SB_PAGERIGHT = 3;
constexpr WORD SB_THUMBPOSITION = 4;
constexpr WORD SB_THUMBTRACK = 5;
constexpr WORD SB_LEFT = 6;
constexpr WORD SB_RIGHT = 7;
constexpr WORD SB_ENDSCROLL = 8;

// ShowWindow commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_RESTORE = 9;

// TrackPopupMenu flags: left-aligned at the point, items chosen with the left button.
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_LEFTBUTTON = 0x0000;

// MessageBox styles and answers.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_YESNO = 0x4;
constexpr int IDOK = 1;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

constexpr WORD LOWORD(WPARAM value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(WPARAM value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high) {
  return static_cast<WPARAM>(low) | (static_cast<WPARAM>(high) << 16);
}
// The signed pixel coordinates packed into a mouse message's lParam.
constexpr int GET_X_LPARAM(LPARAM value) { return static_cast<std::int16_t>(value & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM value) {
  return static_cast<std::int16_t>((value >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int low, int high) {
  return static_cast<LPARAM>(static_cast<std::uint32_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16)));
}

}  // namespace win

namespace platform {

// The window class of every form: how another process finds the program's window.
inline constexpr char kFormClass[] = "KV3050PSetupForm";

// A rectangle of a window in pixels of its parent's client area (or of the
// screen for a top-level window).
struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// The portable code's share of a window procedure: it sees every message
// first and answers with a result, or with nothing to let the default
// processing run.
using WindowProcedure =
    std::function<std::optional<win::LRESULT>(win::UINT, win::WPARAM, win::LPARAM)>;

// What every window offers.
class Window {
 public:
  virtual ~Window() = default;
  [[nodiscard]] virtual win::HWND Handle() const = 0;
  virtual win::BOOL ShowWindow(int command) = 0;
  [[nodiscard]] virtual bool IsWindowVisible() const = 0;
  virtual void EnableWindow(bool enabled) = 0;
  [[nodiscard]] virtual bool IsWindowEnabled() const = 0;
  virtual void MoveWindow(const PixelRect& rect) = 0;
  [[nodiscard]] virtual PixelRect WindowRect() const = 0;
  // The window has the mouse capture (GetCapture).
  [[nodiscard]] virtual bool HasCapture() const = 0;
  // The pointer shown over the window (answered to WM_SETCURSOR); 0 for the class's own.
  virtual void SetCursor(win::HCURSOR cursor) = 0;
};

// A frameless top-level window.
class FormWindow : public Window {
 public:
  virtual void SetProcedure(WindowProcedure procedure) = 0;
  // The window's icons (WM_SETICON): the large one for Alt+Tab, the small one
  // for the taskbar and the window menu; 0 for none.
  virtual void SetIcon(win::HICON large, win::HICON small) = 0;
  // A bitmap drawn at the client origin as the window's background; 0 for
  // none. The caller keeps it alive while the window shows it.
  virtual void SetBackgroundBitmap(win::HBITMAP bitmap) = 0;
  virtual void SetWindowTextA(const std::string& text) = 0;
  [[nodiscard]] virtual bool IsIconic() const = 0;
  // The density of the monitor the window is on (GetDpiForWindow).
  [[nodiscard]] virtual int Dpi() const = 0;
};

// A drop-down list combo box (CBS_DROPDOWNLIST): the user can only pick.
class ComboBoxWindow : public Window {
 public:
  [[nodiscard]] virtual int AddString(const std::string& text) = 0;  // CB_ADDSTRING: the new index
  virtual void SetCurSel(int index) = 0;                             // CB_SETCURSEL, -1 for none
  [[nodiscard]] virtual int GetCurSel() const = 0;                   // CB_GETCURSEL
  virtual void SetBackColor(win::COLORREF color) = 0;                // answered to WM_CTLCOLOR*
};

// A horizontal scroll bar control (SBS_HORZ) over positions 0..range.
class ScrollBarWindow : public Window {
 public:
  // SetScrollInfo with SIF_RANGE | SIF_POS | SIF_PAGE; the range starts at 0.
  virtual void SetScrollInfo(int range, int page, int position) = 0;
  // The position of the thumb while the user drags it (SIF_TRACKPOS).
  [[nodiscard]] virtual int GetTrackPos() const = 0;
};

// A check box (BS_AUTOCHECKBOX).
class CheckBoxWindow : public Window {
 public:
  virtual void SetCheck(bool checked) = 0;          // BM_SETCHECK
  [[nodiscard]] virtual bool GetCheck() const = 0;  // BM_GETCHECK
};

// GetMonitorInfoA: the monitor's rectangle and its work area (without the
// taskbar and docked bars), in virtual-screen pixels.
struct MonitorInfo {
  PixelRect monitor;
  PixelRect work;
};

struct FormSpec {
  std::string caption;
  int clientWidth = 0;   // pixels
  int clientHeight = 0;  // pixels
  bool centered = true;
};

struct ChildSpec {
  win::HWND parent = 0;
  PixelRect rect;
  std::string text;
  bool visible = true;
  bool enabled = true;
};

class Windowing {
 public:
  virtual ~Windowing() = default;

  [[nodiscard]] virtual std::unique_ptr<FormWindow> CreateForm(const FormSpec& spec) = 0;
  [[nodiscard]] virtual std::unique_ptr<ComboBoxWindow> CreateComboBox(const ChildSpec& spec) = 0;
  [[nodiscard]] virtual std::unique_ptr<ScrollBarWindow> CreateScrollBar(const ChildSpec& spec) = 0;
  [[nodiscard]] virtual std::unique_ptr<CheckBoxWindow> CreateCheckBox(const ChildSpec& spec) = 0;

  // Modal: the thread's message loop (and the mouse hook) keeps running.
  [[nodiscard]] virtual int MessageBoxA(win::HWND owner, const std::string& text,
                                        const std::string& caption, win::UINT type) = 0;

  // Queues a message for the window; it is handled when the UI thread's
  // message loop next runs.
  [[nodiscard]] virtual win::BOOL PostMessageA(win::HWND window, win::UINT message,
                                               win::WPARAM wParam, win::LPARAM lParam) = 0;
  // Delivers a message now, default processing included.
  [[nodiscard]] virtual win::LRESULT SendMessageA(win::HWND window, win::UINT message,
                                                  win::WPARAM wParam, win::LPARAM lParam) = 0;
  [[nodiscard]] virtual win::BOOL ReleaseCapture() = 0;
  // The thread's keyboard focus: the window that has it (0 for none), and
  // moving it (WM_KILLFOCUS to the one that had it, WM_SETFOCUS to the new).
  [[nodiscard]] virtual win::HWND GetFocus() = 0;
  virtual void SetFocus(win::HWND window) = 0;
  // Whether window is a child or deeper descendant of parent.
  [[nodiscard]] virtual bool IsChild(win::HWND parent, win::HWND window) = 0;
  // A popup menu of these items at the pointer, owned by the window, those
  // whose index checked marks with a check mark; runs modally and answers
  // the index of the item chosen, or -1.
  [[nodiscard]] virtual int TrackPopupMenu(const std::vector<std::string>& items,
                                           const std::vector<bool>& checked, win::UINT flags,
                                           win::HWND owner) = 0;
  // An icon or cursor resource of the program at width x height pixels: the
  // image of that size the resource holds, else the nearest one scaled. Each
  // call makes a new handle, the caller's to destroy (DestroyIcon), so a
  // change of density can replace it; 0 when missing.
  [[nodiscard]] virtual win::HICON LoadIconA(const std::string& resourceName, int width,
                                             int height) = 0;
  [[nodiscard]] virtual win::HCURSOR LoadCursorA(const std::string& resourceName, int width,
                                                 int height) = 0;
  // The session-wide number of a named message, the same in every process.
  [[nodiscard]] virtual win::UINT RegisterWindowMessageA(const std::string& name) = 0;

  // The next top-level window of the class after `after` (0: the first),
  // hidden ones included; 0 when there is none (FindWindowExA(0, after, class, 0)).
  [[nodiscard]] virtual win::HWND FindWindowExA(win::HWND after, const std::string& className) = 0;
  // The id of the thread that made the window, and of its process through
  // processId; 0 (and the process untouched) for no window.
  [[nodiscard]] virtual win::DWORD GetWindowThreadProcessId(win::HWND window,
                                                            win::DWORD* processId) = 0;
  // Lets that process take the foreground once; only a process that could
  // take it itself can hand it on.
  [[nodiscard]] virtual win::BOOL AllowSetForegroundWindow(win::DWORD processId) = 0;
  // Brings the window to the front and activates it; refused (FALSE) unless
  // this process owns the foreground or was allowed to take it.
  [[nodiscard]] virtual win::BOOL SetForegroundWindow(win::HWND window) = 0;
  [[nodiscard]] virtual win::HMONITOR MonitorFromWindow(win::HWND window, win::DWORD flags) = 0;
  [[nodiscard]] virtual std::optional<MonitorInfo> GetMonitorInfoA(win::HMONITOR monitor) = 0;
};

}  // namespace platform
