// Windows in memory: a form that hears its messages as Windows would send
// them (activation on show, deactivation on minimise and hide), child
// controls that keep their state, helpers that act as the user would (the
// notification reaches the parent form's procedure as WM_COMMAND or
// WM_HSCROLL), and message boxes answered from a script.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/Windowing.h"

namespace sim {

class SimWindowing;

class SimWindowBase {
 public:
  SimWindowBase(SimWindowing& owner, win::HWND handle, win::HWND parent, platform::PixelRect rect,
                bool visible, bool enabled);
  virtual ~SimWindowBase();
  win::HWND handle() const { return handle_; }
  win::HWND parent() const { return parent_; }
  // The process that made the window.
  win::DWORD process() const { return process_; }
  platform::PixelRect Rect() const { return rect_; }
  win::HCURSOR Cursor() const { return cursor_; }

 protected:
  // Sends the parent form the notification Windows would send.
  void NotifyParent(win::UINT message, win::WPARAM wParam);
  bool HoldsCapture() const;
  void SetCapture(bool held);

  SimWindowing& owner_;
  win::HWND handle_;
  win::HWND parent_;
  win::DWORD process_;
  platform::PixelRect rect_;
  bool visible_;
  bool enabled_;
  win::HCURSOR cursor_ = 0;
};

// The window functions every sim window answers alike.
template <class Interface>
class SimWindow : public Interface, public SimWindowBase {
 public:
  using SimWindowBase::SimWindowBase;
  win::HWND Handle() const override { return handle_; }
  bool IsWindowVisible() const override { return visible_; }
  void EnableWindow(bool enabled) override { enabled_ = enabled; }
  bool IsWindowEnabled() const override { return enabled_; }
  bool HasCapture() const override { return HoldsCapture(); }
  void MoveWindow(const platform::PixelRect& rect) override { rect_ = rect; }
  platform::PixelRect WindowRect() const override { return rect_; }
  void SetCursor(win::HCURSOR cursor) override { cursor_ = cursor; }
};

// A child control: any ShowWindow command but SW_HIDE shows it.
template <class Interface>
class SimChild : public SimWindow<Interface> {
 public:
  using SimWindow<Interface>::SimWindow;
  win::BOOL ShowWindow(int command) override {
    const bool was = this->visible_;
    this->visible_ = command != win::SW_HIDE;
    return was ? win::TRUE : win::FALSE;
  }
};

class SimFormWindow final : public SimWindow<platform::FormWindow> {
 public:
  SimFormWindow(SimWindowing& owner, win::HWND handle, const platform::FormSpec& spec,
                platform::PixelRect rect);

  win::BOOL ShowWindow(int command) override;
  void SetProcedure(platform::WindowProcedure procedure) override;
  void SetWindowTextA(const std::string& text) override { text_ = text; }
  bool IsIconic() const override { return iconic_; }
  int Dpi() const override { return dpi_; }
  void SetIcon(win::HICON large, win::HICON small) override {
    icon_ = large;
    smallIcon_ = small;
  }
  win::HICON Icon() const { return icon_; }
  win::HICON SmallIcon() const { return smallIcon_; }
  void SetBackgroundBitmap(win::HBITMAP bitmap) override { background_ = bitmap; }
  win::HBITMAP BackgroundBitmap() const { return background_; }

  // Sends a message to the window procedure, as SendMessage would. What the
  // procedure leaves to the default processing answers nothing, and a close
  // request left to it destroys the window, as DefWindowProc does.
  std::optional<win::LRESULT> Send(win::UINT message, win::WPARAM wParam, win::LPARAM lParam);
  // The user asks to close the window: Alt+F4 or the taskbar's Close.
  void UserCloses() { Send(win::WM_SYSCOMMAND, win::SC_CLOSE, 0); }
  // DestroyWindow: WM_DESTROY and WM_NCDESTROY reach the procedure, then the
  // window is gone (hidden, deaf to messages and commands).
  void Destroy();
  bool Destroyed() const { return destroyed_; }
  const std::string& Text() const { return text_; }
  bool Active() const { return active_; }
  // Every ShowWindow command in order.
  const std::vector<int>& ShowCommands() const { return showCommands_; }
  // Runs as each ShowWindow command begins, before it takes effect: what a
  // test does meanwhile happens while the window is being shown or hidden.
  std::function<void(int command)> onShowCommand;

 private:
  friend class SimWindowing;
  void SetActive(bool active);

  platform::WindowProcedure procedure_;
  std::string text_;
  win::HICON icon_ = 0;
  win::HICON smallIcon_ = 0;
  win::HBITMAP background_ = 0;
  bool iconic_ = false;
  int dpi_;
  bool active_ = false;
  bool destroyed_ = false;
  std::vector<int> showCommands_;
};

class SimComboBox final : public SimChild<platform::ComboBoxWindow> {
 public:
  using SimChild::SimChild;
  int AddString(const std::string& text) override;
  void SetCurSel(int index) override;
  int GetCurSel() const override { return selection_; }
  void SetBackColor(win::COLORREF color) override { backColor_ = color; }

  // The user opens the list and picks an entry. A disabled box cannot be
  // opened: answers false and nothing happens.
  bool UserChooses(const std::string& text);
  const std::vector<std::string>& Items() const { return items_; }
  win::COLORREF BackColor() const { return backColor_; }

 private:
  std::vector<std::string> items_;
  int selection_ = -1;
  win::COLORREF backColor_ = 0xFFFFFF;
};

class SimScrollBar final : public SimChild<platform::ScrollBarWindow> {
 public:
  using SimChild::SimChild;
  void SetScrollInfo(int range, int page, int position) override;
  int GetTrackPos() const override { return track_; }

  // A click on an arrow or the track: one WM_HSCROLL request, then the end
  // of the scroll; then the message loop runs.
  void UserRequests(win::WORD code) {
    UserPresses(code);
    UserReleases();
  }
  // The mouse goes down on an arrow or the track: the bar takes the capture
  // and requests one step; while it is held, the bar repeats the request
  // each time a message loop runs its timer (AutoRepeat; a message box's
  // modal loop does so too).
  void UserPresses(win::WORD code);
  void AutoRepeat();
  // The button goes up: SB_ENDSCROLL, the capture is released, and the
  // message loop runs what was posted meanwhile.
  void UserReleases();
  // The user drags the thumb through these positions and lets it go at the last.
  void UserDrags(const std::vector<int>& positions);
  int Position() const { return position_; }
  int RangeMax() const { return range_; }

 private:
  int range_ = 0;
  int position_ = 0;
  int track_ = 0;
  std::optional<win::WORD> held_;
};

class SimCheckBox final : public SimChild<platform::CheckBoxWindow> {
 public:
  SimCheckBox(SimWindowing& owner, win::HWND handle, const platform::ChildSpec& spec);
  void SetCheck(bool checked) override { checked_ = checked; }
  bool GetCheck() const override { return checked_; }

  // A click the user makes, which ticks or clears the box; a hidden or
  // disabled box answers false.
  bool UserClicks();
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
  bool checked_ = false;
};

struct SimMessageBox {
  win::HWND owner;
  std::string text;
  std::string caption;
  win::UINT type;
  bool operator==(const SimMessageBox&) const = default;
};

class SimWindowing final : public platform::Windowing {
 public:
  std::unique_ptr<platform::FormWindow> CreateForm(const platform::FormSpec& spec) override;
  std::unique_ptr<platform::ComboBoxWindow> CreateComboBox(
      const platform::ChildSpec& spec) override;
  std::unique_ptr<platform::ScrollBarWindow> CreateScrollBar(
      const platform::ChildSpec& spec) override;
  std::unique_ptr<platform::CheckBoxWindow> CreateCheckBox(
      const platform::ChildSpec& spec) override;
  int MessageBoxA(win::HWND owner, const std::string& text, const std::string& caption,
                  win::UINT type) override;
  win::BOOL PostMessageA(win::HWND window, win::UINT message, win::WPARAM wParam,
                         win::LPARAM lParam) override;
  win::LRESULT SendMessageA(win::HWND window, win::UINT message, win::WPARAM wParam,
                            win::LPARAM lParam) override;
  win::BOOL ReleaseCapture() override;
  win::HWND GetFocus() override { return focus_; }
  // A form hears the focus through its procedure; other windows (the user
  // controls' sites, which are not made here) through focusMoved.
  void SetFocus(win::HWND window) override;
  bool IsChild(win::HWND parent, win::HWND window) override;
  std::function<void(win::HWND window, bool gained)> focusMoved;
  // The parent of a window not made here (0: none known).
  std::function<win::HWND(win::HWND window)> parentOf;
  int TrackPopupMenu(const std::vector<std::string>& items, const std::vector<bool>& checked,
                     win::UINT flags, win::HWND owner) override;
  win::HICON LoadIconA(const std::string& resourceName, int width, int height) override;
  win::HCURSOR LoadCursorA(const std::string& resourceName, int width, int height) override;
  win::UINT RegisterWindowMessageA(const std::string& name) override;
  win::HWND FindWindowExA(win::HWND after, const std::string& className) override;
  win::DWORD GetWindowThreadProcessId(win::HWND window, win::DWORD* processId) override;
  win::BOOL AllowSetForegroundWindow(win::DWORD processId) override;
  win::BOOL SetForegroundWindow(win::HWND window) override;
  win::HMONITOR MonitorFromWindow(win::HWND window, win::DWORD flags) override;
  std::optional<platform::MonitorInfo> GetMonitorInfoA(win::HMONITOR monitor) override;

  // The process making the calls now; windows belong to the one that made
  // them. Tests that play two copies of the program switch it.
  std::function<win::DWORD()> callingProcess = [] { return win::DWORD{1000}; };

  // The foreground as Windows guards it: the process that owns it (the one
  // the user last started or gave input to) may bring its windows to the
  // front, and may hand that right to one other process, which loses it when
  // it uses it. Any other SetForegroundWindow is refused. A window shown with
  // activation by the owning process comes to the front; one hidden or
  // minimised leaves it to another application.
  win::HWND foreground = 0;
  win::DWORD foregroundProcess = 1000;
  std::optional<win::DWORD> foregroundAllowed;
  // The user brings another application to the front.
  void UserSwitchesTo(win::DWORD otherProcess) {
    foreground = 0;
    foregroundProcess = otherProcess;
    foregroundAllowed.reset();
  }
  // What one process asked of another's windows, in order:
  // "AllowSetForegroundWindow <pid>", "PostMessageA <message> to <pid>".
  std::vector<std::string> crossProcessCalls;

  // The monitors, the primary first, in virtual-screen pixels. By default one
  // of the screen's size, its taskbar 40 pixels high at the bottom.
  std::vector<platform::MonitorInfo> monitors{{{0, 0, 1280, 1024}, {0, 0, 1280, 984}}};

  // A message the system itself posts (a registry watch's, say): queued as
  // PostMessageA queues it, from no process.
  win::BOOL SystemPosts(win::HWND window, win::UINT message, win::WPARAM wParam,
                        win::LPARAM lParam);

  // Runs the message loop once over what is posted: every queued message,
  // and those the handlers post meanwhile, in order. Answers how many ran.
  int DispatchPosted();
  std::size_t PostedCount() const {
    const std::lock_guard lock(postedMutex_);
    return posted_.size();
  }
  // Takes the queued messages of this number for the window; answers how many.
  int TakePosted(win::HWND window, win::UINT message);

  // Sent messages that reached the default processing, and capture releases.
  struct Sent {
    win::HWND window;
    win::UINT message;
    win::WPARAM wParam;
    win::LPARAM lParam;
    bool operator==(const Sent&) const = default;
  };
  std::vector<Sent> defaultProcessed;
  int captureReleases = 0;

  // Popup menus shown so far, and the item the user picks in each (by
  // caption; an empty script closes the menu without a choice).
  struct Popup {
    std::vector<std::string> items;
    win::UINT flags;
    win::HWND owner;
    std::vector<bool> checked;
    bool operator==(const Popup&) const = default;
  };
  std::vector<Popup> popups;
  std::deque<std::string> menuChoices;

  // Icon and cursor resources the program has. Each load makes a new
  // handle, from makeImage where the world counts them (its GDI's icons).
  std::vector<std::string> iconResources{"APPICON"};
  std::vector<std::string> cursorResources{"HAND"};
  std::function<win::HICON()> makeImage;
  // Every icon and cursor loaded, in order: what was asked for and the
  // handle it gave.
  struct ImageLoad {
    std::string resource;
    bool cursor;
    int width;
    int height;
    win::HICON handle;
  };
  std::vector<ImageLoad> imageLoads;
  // The load that made a handle; null for one no load made.
  const ImageLoad* LoadOf(win::HICON handle) const;

  // Windows by handle, for tests to act on and inspect (null when absent or
  // of another kind).
  SimFormWindow* Form(win::HWND handle) const;
  SimComboBox* Combo(win::HWND handle) const;
  SimScrollBar* Scroll(win::HWND handle) const;
  SimCheckBox* CheckBox(win::HWND handle) const;
  std::vector<win::HWND> Children(win::HWND parent) const;

  // Message boxes shown so far, and the answers the next ones get (IDOK for an
  // OK box and IDNO for a question once the script is used up). A callback
  // runs while each box is "open", as the modal loop would run other work.
  std::vector<SimMessageBox> messageBoxes;
  std::deque<int> answers;
  std::function<void(const SimMessageBox&)> whileOpen;

  // The primary monitor's size: where a centred form is made.
  int screenWidth = 1280;
  int screenHeight = 1024;
  // The density of the monitor new windows appear on; 0 for the screen's.
  int monitorDpi = 0;

 private:
  friend class SimWindowBase;
  win::HWND NextHandle();
  struct Posted {
    win::HWND window;
    win::UINT message;
    win::WPARAM wParam;
    win::LPARAM lParam;
  };
  mutable std::mutex postedMutex_;
  std::deque<Posted> posted_;
  std::map<std::string, win::UINT> registered_;
  std::map<win::HWND, SimWindowBase*> windows_;
  std::vector<win::HWND> order_;  // creation order
  win::HWND capture_ = 0;
  win::HWND focus_ = 0;
  win::HWND next_ = 0x10010;
};

}  // namespace sim
