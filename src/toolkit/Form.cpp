#include "toolkit/Form.h"

#include "platform/Gdi.h"
#include "platform/Screen.h"
#include "platform/Services.h"
#include "toolkit/Control.h"
#include "toolkit/Pictures.h"
#include "toolkit/Twips.h"

namespace toolkit {
namespace {

// Posted to the form's own window for each piece of deferred work.
constexpr win::UINT kDeferredWork = win::WM_APP + 0x100;

}  // namespace

int MouseButtonOf(win::UINT message, win::WPARAM wParam) {
  switch (message) {
    case win::WM_LBUTTONDOWN:
    case win::WM_LBUTTONUP:
      return 1;
    case win::WM_RBUTTONDOWN:
    case win::WM_RBUTTONUP:
      return 2;
    case win::WM_MBUTTONDOWN:
    case win::WM_MBUTTONUP:
      return 4;
    default:
      return ((wParam & win::MK_LBUTTON) ? 1 : 0) | ((wParam & win::MK_RBUTTON) ? 2 : 0) |
             ((wParam & win::MK_MBUTTON) ? 4 : 0);
  }
}

int ShiftOf(win::WPARAM wParam) {
  return ((wParam & win::MK_SHIFT) ? 1 : 0) | ((wParam & win::MK_CONTROL) ? 2 : 0);
}

Form::~Form() {
  if (window_) window_->SetProcedure(nullptr);
}

void Form::Create(const LayoutNode& node) {
  auto& screen = platform::Use<platform::Screen>();
  platform::FormSpec spec;
  caption_ = node.Text("Caption");
  spec.caption = caption_;
  spec.clientWidth = TwipsToPixels(node.Integer("ClientWidth", 0), screen.DpiX());
  spec.clientHeight = TwipsToPixels(node.Integer("ClientHeight", 0), screen.DpiY());
  // StartUpPosition 2: the centre of the screen.
  spec.centered = node.Integer("StartUpPosition", 2) == 2;
  window_ = platform::Use<platform::Windowing>().CreateForm(spec);
  // Made on a monitor whose density is not the one the layout assumed (the
  // primary monitor's scale changed since sign-in): laid out for that one,
  // about the same centre, before any control is placed.
  if (const int dpi = window_->Dpi(); dpi > 0 && dpi != screen.DpiX()) {
    screen.SetDpi(dpi);
    const platform::PixelRect at = window_->WindowRect();
    const int width = TwipsToPixels(node.Integer("ClientWidth", 0), dpi);
    const int height = TwipsToPixels(node.Integer("ClientHeight", 0), dpi);
    window_->MoveWindow(
        {at.left + (at.width - width) / 2, at.top + (at.height - height) / 2, width, height});
  }
  window_->SetProcedure([this](win::UINT message, win::WPARAM wParam, win::LPARAM lParam) {
    return Procedure(message, wParam, lParam);
  });
  iconValue_ = node.Text("Icon");
  pictureValue_ = node.Text("Picture");
}

void Form::LoadPictures() const {
  if (picturesLoaded_) return;
  picturesLoaded_ = true;
  LoadIcons();
  picture_ = LoadLayoutPicture(pictureValue_);
  if (platform::HasImage(picture_)) window_->SetBackgroundBitmap(picture_->Handle());
}

void Form::LoadIcons() const {
  if (iconValue_.rfind("res:", 0) != 0) return;
  platform::PicturePtr large = LoadIconPicture(iconValue_.substr(4), IconSize::Large);
  platform::PicturePtr small = LoadIconPicture(iconValue_.substr(4), IconSize::Small);
  // The window stops showing the old icons before they are destroyed.
  window_->SetIcon(HandleOf(large), HandleOf(small));
  icon_ = std::move(large);
  smallIcon_ = std::move(small);
}

void Form::Relayout(const platform::PixelRect& rect) {
  window_->MoveWindow(rect);
  if (!picturesLoaded_) return;  // loaded at the new density when first asked for
  LoadIcons();
  platform::PicturePtr next = LoadLayoutPicture(pictureValue_);
  window_->SetBackgroundBitmap(platform::HasImage(next) ? next->Handle() : 0);
  picture_ = std::move(next);
}

void Form::PopupMenu(Menu& menu) {
  std::vector<std::string> captions;
  std::vector<bool> checked;
  for (const MenuItem& item : menu.Items()) {
    captions.push_back(item.caption);
    checked.push_back(item.checked);
  }
  const int chosen = platform::Use<platform::Windowing>().TrackPopupMenu(
      captions, checked, win::TPM_LEFTALIGN | win::TPM_LEFTBUTTON, hWnd());
  if (chosen < 0 || chosen >= static_cast<int>(menu.Items().size())) return;
  // A copy: the handler may be replaced while it runs.
  const std::function<void()> click = menu.Items()[static_cast<std::size_t>(chosen)].Click;
  if (click) click();
}

win::HWND Form::hWnd() const { return window_ ? window_->Handle() : 0; }

void Form::Show() {
  LoadPictures();
  // A hidden minimised window comes back minimised, as Windows shows it.
  window_->ShowWindow(window_->IsIconic() ? win::SW_SHOWMINIMIZED : win::SW_SHOW);
}

void Form::Hide() {
  RememberFocus();
  window_->ShowWindow(win::SW_HIDE);
}

bool Form::Visible() const { return window_->IsWindowVisible(); }

WindowState Form::GetWindowState() const { return window_->IsIconic() ? vbMinimized : vbNormal; }

void Form::SetWindowState(WindowState state) {
  if (state == GetWindowState()) return;
  if (state == vbMinimized) RememberFocus();
  window_->ShowWindow(state == vbMinimized ? win::SW_MINIMIZE : win::SW_RESTORE);
}

void Form::OnMessage(win::UINT message,
                     std::function<win::LRESULT(win::WPARAM, win::LPARAM)> handler) {
  handlers_[message] = std::move(handler);
}

void Form::Defer(std::function<void()> work) {
  deferred_.push_back(std::move(work));
  (void)platform::Use<platform::Windowing>().PostMessageA(hWnd(), kDeferredWork, 0, 0);
}

void Form::RememberFocus() {
  auto& windowing = platform::Use<platform::Windowing>();
  const win::HWND focus = windowing.GetFocus();
  if (focus != 0 && windowing.IsChild(hWnd(), focus)) focus_ = focus;
}

bool Form::RestoreFocus() {
  auto& windowing = platform::Use<platform::Windowing>();
  if (focus_ == 0 || !windowing.IsChild(hWnd(), focus_)) return false;
  windowing.SetFocus(focus_);
  return true;
}

void Form::Attach(Control& control) { children_[control.hWnd()] = &control; }

void Form::Detach(Control& control) { children_.erase(control.hWnd()); }

std::optional<win::LRESULT> Form::Procedure(win::UINT message, win::WPARAM wParam,
                                            win::LPARAM lParam) {
  auto& screen = platform::Use<platform::Screen>();
  auto twipsX = [&] {
    return static_cast<float>(win::GET_X_LPARAM(lParam) * screen.TwipsPerPixelX());
  };
  auto twipsY = [&] {
    return static_cast<float>(win::GET_Y_LPARAM(lParam) * screen.TwipsPerPixelY());
  };
  switch (message) {
    case win::WM_ACTIVATE:
      if (win::LOWORD(wParam) == win::WA_INACTIVE) {
        RememberFocus();
      } else if (Activate) {
        Activate();
      }
      return std::nullopt;
    case win::WM_SETFOCUS:
      if (RestoreFocus()) return 0;
      return std::nullopt;
    case win::WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != win::SC_CLOSE || !CloseRequest) break;
      CloseRequest();
      return 0;
    case win::WM_CLOSE:
      if (!CloseRequest) break;
      CloseRequest();
      return 0;
    case win::WM_DESTROY:
      if (Destroyed) Destroyed();
      return std::nullopt;
    case kDeferredWork: {
      // One piece per message, in the order deferred.
      if (deferred_.empty()) return 0;
      const std::function<void()> work = std::move(deferred_.front());
      deferred_.pop_front();
      if (work) work();
      return 0;
    }
    case win::WM_LBUTTONDOWN:
    case win::WM_RBUTTONDOWN:
    case win::WM_MBUTTONDOWN:
      if (MouseDown) MouseDown(MouseButtonOf(message, wParam), ShiftOf(wParam), twipsX(), twipsY());
      return 0;
    case win::WM_MOUSEMOVE:
      if (MouseMove) MouseMove(MouseButtonOf(message, wParam), ShiftOf(wParam), twipsX(), twipsY());
      return 0;
    case win::WM_DPICHANGED: {
      if (!DpiChanged) break;
      const auto* suggested = reinterpret_cast<const win::RECT*>(lParam);
      DpiChanged(win::LOWORD(wParam),
                 {suggested->left, suggested->top, suggested->right - suggested->left,
                  suggested->bottom - suggested->top});
      return 0;
    }
    case win::WM_COMMAND:
    case win::WM_HSCROLL: {
      const auto child = children_.find(static_cast<win::HWND>(lParam));
      if (child == children_.end()) break;
      if (message == win::WM_COMMAND) {
        child->second->OnCommand(win::HIWORD(wParam));
      } else {
        child->second->OnScroll(win::LOWORD(wParam));
      }
      return 0;
    }
    default:
      break;
  }
  if (const auto handler = handlers_.find(message); handler != handlers_.end()) {
    return handler->second(wParam, lParam);
  }
  return std::nullopt;
}

}  // namespace toolkit
