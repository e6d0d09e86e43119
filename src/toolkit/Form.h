// A top-level window of the toolkit: its state (normal, minimised), its
// visibility, and its events, decoded from the window's own messages.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "platform/Picture.h"
#include "platform/Windowing.h"
#include "toolkit/Layout.h"
#include "toolkit/Menu.h"

namespace toolkit {

class Control;

enum WindowState { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };

class Form {
 public:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  ~Form();

  // Makes the window from the form's layout block (hidden, as after loading).
  // Its icon and background picture are loaded when it is first shown or
  // asked for them: a window that is never shown never pays for them.
  void Create(const LayoutNode& node);
  win::HWND hWnd() const;
  const std::string& Caption() const { return caption_; }

  void Show();
  void Hide();
  bool Visible() const;
  WindowState GetWindowState() const;
  void SetWindowState(WindowState state);
  // The window's icon, from the layout's "Icon = res:NAME", at the large and
  // the small icon size of the screen's density; 0 for none.
  win::HICON Icon() const {
    LoadPictures();
    return HandleOf(icon_);
  }
  win::HICON SmallIcon() const { return HandleOf(SmallIconPicture()); }
  // The small icon itself, for whoever shows it beyond the window's life at
  // this density (the notification area): it lives while anyone holds it.
  const platform::PicturePtr& SmallIconPicture() const {
    LoadPictures();
    return smallIcon_;
  }
  // The picture drawn as the window's background ("Picture = res:NAME").
  const platform::PicturePtr& Picture() const {
    LoadPictures();
    return picture_;
  }

  // Pops the menu's items up at the pointer, this window their owner, and
  // runs the Click of the item chosen.
  void PopupMenu(Menu& menu);

  // Events, with positions in twips as the form's scale unit gives them.
  std::function<void()> Activate;
  // A request to close the window (WM_CLOSE, or the window menu's Close that
  // Alt+F4 and the taskbar send). With a handler the window is never
  // destroyed by it; without one the default processing destroys it.
  std::function<void()> CloseRequest;
  // The window is being destroyed (WM_DESTROY) while the form still uses it.
  std::function<void()> Destroyed;
  std::function<void(int Button, int Shift, float X, float Y)> MouseDown;
  std::function<void(int Button, int Shift, float X, float Y)> MouseMove;
  // The window now lies on a monitor of another density (WM_DPICHANGED):
  // its new dots per inch and the window rectangle the system suggests.
  std::function<void(int dpi, const platform::PixelRect& suggested)> DpiChanged;

  // Takes the rectangle, the background picture and the icons drawn for the
  // screen's density as it is now; the old ones go once nothing shows them.
  void Relayout(const platform::PixelRect& rect);

  // Runs work from the message loop, after the message being handled now has
  // returned (and with it any modal loop a control runs inside it).
  void Defer(std::function<void()> work);

  // Any other message the owner of the form wants to handle itself.
  void OnMessage(win::UINT message, std::function<win::LRESULT(win::WPARAM, win::LPARAM)> handler);

  // Child controls receive their notifications through their form.
  void Attach(Control& control);
  void Detach(Control& control);

  platform::FormWindow& Window() { return *window_; }

 private:
  std::optional<win::LRESULT> Procedure(win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
  // The control that had the keyboard focus when the window went inactive,
  // hidden or minimised gets it back when the window gets it again, as a
  // dialog's does: Windows gives a window that hid itself the focus itself.
  void RememberFocus();
  bool RestoreFocus();
  void LoadPictures() const;
  void LoadIcons() const;
  static win::HICON HandleOf(const platform::PicturePtr& picture) {
    return picture ? picture->Handle() : 0;
  }

  std::unique_ptr<platform::FormWindow> window_;
  std::string caption_;
  std::string iconValue_;
  std::string pictureValue_;
  mutable bool picturesLoaded_ = false;
  mutable platform::PicturePtr icon_;
  mutable platform::PicturePtr smallIcon_;
  mutable platform::PicturePtr picture_;
  std::map<win::HWND, Control*> children_;
  std::map<win::UINT, std::function<win::LRESULT(win::WPARAM, win::LPARAM)>> handlers_;
  std::deque<std::function<void()>> deferred_;
  win::HWND focus_ = 0;
};

// Button and Shift of a mouse message as the toolkit reports them:
// Button 1 left, 2 right, 4 middle (a sum in moves); Shift 1 Shift, 2 Ctrl.
int MouseButtonOf(win::UINT message, win::WPARAM wParam);
int ShiftOf(win::WPARAM wParam);

}  // namespace toolkit
