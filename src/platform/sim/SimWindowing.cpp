#include "platform/sim/SimWindowing.h"

#include "platform/Text.h"
#include "platform/sim/SimThreads.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace sim {

SimWindowBase::SimWindowBase(SimWindowing& owner, win::HWND handle, win::HWND parent,
                             platform::PixelRect rect, bool visible, bool enabled)
    : owner_(owner),
      handle_(handle),
      parent_(parent),
      process_(owner.callingProcess()),
      rect_(rect),
      visible_(visible),
      enabled_(enabled) {
  owner_.windows_[handle_] = this;
  owner_.order_.push_back(handle_);
}

SimWindowBase::~SimWindowBase() {
  owner_.windows_.erase(handle_);
  owner_.order_.erase(std::find(owner_.order_.begin(), owner_.order_.end(), handle_));
}

SimFormWindow::SimFormWindow(SimWindowing& owner, win::HWND handle, const platform::FormSpec& spec,
                             platform::PixelRect rect)
    : SimWindow(owner, handle, 0, rect, false, true), text_(spec.caption), dpi_(owner.monitorDpi) {}

void SimFormWindow::SetProcedure(platform::WindowProcedure procedure) {
  procedure_ = std::move(procedure);
}

std::optional<win::LRESULT> SimFormWindow::Send(win::UINT message, win::WPARAM wParam,
                                                win::LPARAM lParam) {
  if (destroyed_) return std::nullopt;
  if (procedure_) {
    // A copy: the procedure may replace itself.
    const platform::WindowProcedure procedure = procedure_;
    if (const auto result = procedure(message, wParam, lParam)) return result;
  }
  // The default processing of a close request.
  if (message == win::WM_SYSCOMMAND && (wParam & 0xFFF0) == win::SC_CLOSE) {
    Send(win::WM_CLOSE, 0, 0);
  } else if (message == win::WM_CLOSE) {
    Destroy();
  }
  return std::nullopt;
}

void SimFormWindow::Destroy() {
  if (destroyed_) return;
  visible_ = false;
  SetActive(false);
  Send(win::WM_DESTROY, 0, 0);
  Send(win::WM_NCDESTROY, 0, 0);
  destroyed_ = true;
}

void SimFormWindow::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  const auto handled =
      Send(win::WM_ACTIVATE, win::MAKEWPARAM(active ? 1 : win::WA_INACTIVE, iconic_ ? 1 : 0), 0);
  if (active) {
    // The default processing gives an activated window that is not
    // minimised the focus itself; no child of its gets it back.
    if (!handled && !iconic_) owner_.SetFocus(handle_);
  } else if (const win::HWND focus = owner_.GetFocus();
             focus == handle_ || owner_.IsChild(handle_, focus)) {
    // The focus goes with the activation, here to no window of ours.
    owner_.SetFocus(0);
  }
}

win::BOOL SimFormWindow::ShowWindow(int command) {
  if (destroyed_) return win::FALSE;
  showCommands_.push_back(command);
  if (onShowCommand) onShowCommand(command);
  const bool wasVisible = visible_;
  bool activated = false;
  switch (command) {
    case win::SW_HIDE:
      visible_ = false;
      SetActive(false);
      break;
    case win::SW_MINIMIZE:
    case win::SW_SHOWMINIMIZED:
      visible_ = true;
      iconic_ = true;
      SetActive(false);
      break;
    case win::SW_SHOWNORMAL:
    case win::SW_RESTORE:
      visible_ = true;
      iconic_ = false;
      SetActive(true);
      activated = true;
      break;
    case win::SW_SHOW:
      visible_ = true;
      if (!iconic_) SetActive(true);
      activated = !iconic_;
      break;
    default:
      break;
  }
  if (activated && owner_.callingProcess() == owner_.foregroundProcess) {
    owner_.foreground = handle_;
  } else if (!activated && owner_.foreground == handle_) {
    owner_.foreground = 0;
    owner_.foregroundProcess = 0;
  }
  return wasVisible ? win::TRUE : win::FALSE;
}

bool SimWindowBase::HoldsCapture() const { return owner_.capture_ == handle_; }

void SimWindowBase::SetCapture(bool held) {
  if (held) {
    owner_.capture_ = handle_;
  } else if (HoldsCapture()) {
    owner_.capture_ = 0;
  }
}

void SimWindowBase::NotifyParent(win::UINT message, win::WPARAM wParam) {
  if (SimFormWindow* parent = owner_.Form(parent_)) {
    parent->Send(message, wParam, static_cast<win::LPARAM>(handle_));
  }
}

int SimComboBox::AddString(const std::string& text) {
  items_.push_back(text);
  return static_cast<int>(items_.size()) - 1;
}

void SimComboBox::SetCurSel(int index) {
  selection_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : -1;
}

bool SimComboBox::UserChooses(const std::string& text) {
  if (!visible_ || !enabled_) return false;
  const auto found = std::find(items_.begin(), items_.end(), text);
  if (found == items_.end()) return false;
  selection_ = static_cast<int>(found - items_.begin());
  NotifyParent(win::WM_COMMAND, win::MAKEWPARAM(0, win::CBN_SELCHANGE));
  return true;
}

void SimScrollBar::SetScrollInfo(int range, int /*page*/, int position) {
  range_ = std::max(range, 0);
  position_ = std::clamp(position, 0, range_);
  track_ = position_;
}

void SimScrollBar::UserPresses(win::WORD code) {
  if (!visible_ || !enabled_) return;
  SetCapture(true);
  held_ = code;
  NotifyParent(win::WM_HSCROLL, win::MAKEWPARAM(code, 0));
}

void SimScrollBar::AutoRepeat() {
  if (held_ && HoldsCapture()) NotifyParent(win::WM_HSCROLL, win::MAKEWPARAM(*held_, 0));
}

void SimScrollBar::UserReleases() {
  if (!held_) return;
  held_.reset();
  // The end of the scroll comes before the capture goes, as Windows sends it.
  NotifyParent(win::WM_HSCROLL, win::MAKEWPARAM(win::SB_ENDSCROLL, 0));
  SetCapture(false);
  owner_.DispatchPosted();
}

void SimScrollBar::UserDrags(const std::vector<int>& positions) {
  if (!visible_ || !enabled_ || positions.empty()) return;
  SetCapture(true);
  for (int position : positions) {
    // The control moves its own thumb while it is dragged.
    track_ = std::clamp(position, 0, range_);
    NotifyParent(win::WM_HSCROLL,
                 win::MAKEWPARAM(win::SB_THUMBTRACK, static_cast<win::WORD>(track_)));
  }
  NotifyParent(win::WM_HSCROLL,
               win::MAKEWPARAM(win::SB_THUMBPOSITION, static_cast<win::WORD>(track_)));
  NotifyParent(win::WM_HSCROLL, win::MAKEWPARAM(win::SB_ENDSCROLL, 0));
  SetCapture(false);
  owner_.DispatchPosted();
}

SimCheckBox::SimCheckBox(SimWindowing& owner, win::HWND handle, const platform::ChildSpec& spec)
    : SimChild(owner, handle, spec.parent, spec.rect, spec.visible, spec.enabled),
      text_(spec.text) {}

bool SimCheckBox::UserClicks() {
  if (!visible_ || !enabled_) return false;
  checked_ = !checked_;
  NotifyParent(win::WM_COMMAND, win::MAKEWPARAM(0, win::BN_CLICKED));
  return true;
}

win::HWND SimWindowing::NextHandle() {
  const win::HWND handle = next_;
  next_ += 2;
  return handle;
}

std::unique_ptr<platform::FormWindow> SimWindowing::CreateForm(const platform::FormSpec& spec) {
  // A thread with a window has a message queue: what the system sends it
  // waits for its loop.
  SimMessageQueue::Make();
  platform::PixelRect rect{0, 0, spec.clientWidth, spec.clientHeight};
  if (spec.centered) {
    rect.left = (screenWidth - spec.clientWidth) / 2;
    rect.top = (screenHeight - spec.clientHeight) / 2;
  }
  return std::make_unique<SimFormWindow>(*this, NextHandle(), spec, rect);
}

std::unique_ptr<platform::ComboBoxWindow> SimWindowing::CreateComboBox(
    const platform::ChildSpec& spec) {
  return std::make_unique<SimComboBox>(*this, NextHandle(), spec.parent, spec.rect, spec.visible,
                                       spec.enabled);
}

std::unique_ptr<platform::ScrollBarWindow> SimWindowing::CreateScrollBar(
    const platform::ChildSpec& spec) {
  return std::make_unique<SimScrollBar>(*this, NextHandle(), spec.parent, spec.rect, spec.visible,
                                        spec.enabled);
}

std::unique_ptr<platform::CheckBoxWindow> SimWindowing::CreateCheckBox(
    const platform::ChildSpec& spec) {
  return std::make_unique<SimCheckBox>(*this, NextHandle(), spec);
}

int SimWindowing::MessageBoxA(win::HWND owner, const std::string& text, const std::string& caption,
                              win::UINT type) {
  messageBoxes.push_back(SimMessageBox{owner, text, caption, type});
  // The modal loop runs timers: a scroll bar whose arrow is held steps on.
  if (SimScrollBar* held = Scroll(capture_)) held->AutoRepeat();
  if (whileOpen) whileOpen(messageBoxes.back());
  if (!answers.empty()) {
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return (type & 0xF) == win::MB_YESNO ? win::IDNO : win::IDOK;
}

win::BOOL SimWindowing::PostMessageA(win::HWND window, win::UINT message, win::WPARAM wParam,
                                     win::LPARAM lParam) {
  if (Form(window) == nullptr || Form(window)->Destroyed()) return win::FALSE;
  if (Form(window)->process() != callingProcess()) {
    char call[64];
    (void)std::snprintf(call, sizeof call, "PostMessageA 0x%X to %u", message,
                        static_cast<unsigned>(Form(window)->process()));
    crossProcessCalls.emplace_back(call);
  }
  return SystemPosts(window, message, wParam, lParam);
}

win::BOOL SimWindowing::SystemPosts(win::HWND window, win::UINT message, win::WPARAM wParam,
                                    win::LPARAM lParam) {
  if (Form(window) == nullptr || Form(window)->Destroyed()) return win::FALSE;
  // Any thread may post.
  const std::lock_guard lock(postedMutex_);
  posted_.push_back({window, message, wParam, lParam});
  return win::TRUE;
}

win::LRESULT SimWindowing::SendMessageA(win::HWND window, win::UINT message, win::WPARAM wParam,
                                        win::LPARAM lParam) {
  SimFormWindow* form = Form(window);
  if (form == nullptr) return 0;
  if (const auto result = form->Send(message, wParam, lParam)) return *result;
  defaultProcessed.push_back({window, message, wParam, lParam});
  return 0;
}

void SimWindowing::SetFocus(win::HWND window) {
  if (window == focus_) return;
  const win::HWND lost = focus_;
  focus_ = window;
  for (const auto& [handle, gained] : {std::pair{lost, false}, std::pair{window, true}}) {
    if (handle == 0) continue;
    if (SimFormWindow* form = Form(handle)) {
      form->Send(gained ? win::WM_SETFOCUS : win::WM_KILLFOCUS, 0, 0);
    } else if (focusMoved) {
      focusMoved(handle, gained);
    }
  }
}

bool SimWindowing::IsChild(win::HWND parent, win::HWND window) {
  for (int depth = 0; window != 0 && depth < 64; ++depth) {
    const auto own = windows_.find(window);
    window = own != windows_.end() ? own->second->parent() : parentOf ? parentOf(window) : 0;
    if (window == parent && parent != 0) return true;
  }
  return false;
}

win::BOOL SimWindowing::ReleaseCapture() {
  capture_ = 0;
  ++captureReleases;
  return win::TRUE;
}

int SimWindowing::TrackPopupMenu(const std::vector<std::string>& items,
                                 const std::vector<bool>& checked, win::UINT flags,
                                 win::HWND owner) {
  popups.push_back({items, flags, owner, checked});
  if (menuChoices.empty()) return -1;
  const std::string choice = menuChoices.front();
  menuChoices.pop_front();
  const auto found = std::find(items.begin(), items.end(), choice);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

namespace {

win::HICON LoadImage(SimWindowing& windowing, const std::vector<std::string>& resources,
                     const std::string& name, bool cursor, int width, int height) {
  if (std::find(resources.begin(), resources.end(), name) == resources.end()) return 0;
  if (width <= 0 || height <= 0) return 0;
  const win::HICON handle =
      windowing.makeImage ? windowing.makeImage()
                          : 0x70000 + 4 * static_cast<win::HICON>(windowing.imageLoads.size());
  windowing.imageLoads.push_back({name, cursor, width, height, handle});
  return handle;
}

}  // namespace

win::HICON SimWindowing::LoadIconA(const std::string& resourceName, int width, int height) {
  return LoadImage(*this, iconResources, resourceName, false, width, height);
}

win::HCURSOR SimWindowing::LoadCursorA(const std::string& resourceName, int width, int height) {
  return LoadImage(*this, cursorResources, resourceName, true, width, height);
}

const SimWindowing::ImageLoad* SimWindowing::LoadOf(win::HICON handle) const {
  for (const ImageLoad& load : imageLoads) {
    if (load.handle == handle) return &load;
  }
  return nullptr;
}

win::UINT SimWindowing::RegisterWindowMessageA(const std::string& name) {
  // Registered messages live in 0xC000..0xFFFF; names match without case.
  const std::string key = platform::UpperCase(name);
  const auto found = registered_.find(key);
  if (found != registered_.end()) return found->second;
  const auto number = static_cast<win::UINT>(0xC000 + registered_.size());
  registered_[key] = number;
  return number;
}

win::HWND SimWindowing::FindWindowExA(win::HWND after, const std::string& className) {
  // Every top-level window here is a form.
  if (!platform::EqualsIgnoringCase(className, platform::kFormClass)) return 0;
  auto next = order_.begin();
  if (after != 0) {
    next = std::find(order_.begin(), order_.end(), after);
    if (next == order_.end()) return 0;
    ++next;
  }
  for (; next != order_.end(); ++next) {
    if (const SimFormWindow* form = Form(*next); form != nullptr && !form->Destroyed())
      return *next;
  }
  return 0;
}

win::DWORD SimWindowing::GetWindowThreadProcessId(win::HWND window, win::DWORD* processId) {
  const auto found = windows_.find(window);
  if (found == windows_.end()) return 0;
  if (processId != nullptr) *processId = found->second->process();
  return found->second->process() + 1;  // the process's one UI thread
}

win::BOOL SimWindowing::AllowSetForegroundWindow(win::DWORD processId) {
  crossProcessCalls.push_back("AllowSetForegroundWindow " + std::to_string(processId));
  if (callingProcess() != foregroundProcess) return win::FALSE;
  foregroundAllowed = processId;
  return win::TRUE;
}

win::BOOL SimWindowing::SetForegroundWindow(win::HWND window) {
  SimFormWindow* form = Form(window);
  if (form == nullptr || form->Destroyed()) return win::FALSE;
  const win::DWORD caller = callingProcess();
  // Refused: Windows flashes the taskbar button instead.
  if (caller != foregroundProcess && foregroundAllowed != caller) return win::FALSE;
  foreground = window;
  foregroundProcess = caller;
  foregroundAllowed.reset();
  form->SetActive(true);
  return win::TRUE;
}

namespace {

std::int64_t Area(const platform::PixelRect& a, const platform::PixelRect& b) {
  const std::int64_t width =
      std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
  const std::int64_t height = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

// The square of the shortest distance between two rectangles apart.
std::int64_t DistanceSquared(const platform::PixelRect& a, const platform::PixelRect& b) {
  const std::int64_t dx = std::max({std::int64_t{0}, std::int64_t{b.left} - (a.left + a.width),
                                    std::int64_t{a.left} - (b.left + b.width)});
  const std::int64_t dy = std::max({std::int64_t{0}, std::int64_t{b.top} - (a.top + a.height),
                                    std::int64_t{a.top} - (b.top + b.height)});
  return dx * dx + dy * dy;
}

constexpr win::HMONITOR kFirstMonitor = 0x65530;

}  // namespace

win::HMONITOR SimWindowing::MonitorFromWindow(win::HWND window, win::DWORD flags) {
  const auto found = windows_.find(window);
  if (found == windows_.end() || monitors.empty()) return 0;
  const platform::PixelRect rect = found->second->Rect();
  // The monitor that shows the most of the window.
  std::size_t best = 0;
  std::int64_t bestArea = 0;
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    if (const std::int64_t area = Area(rect, monitors[i].monitor); area > bestArea) {
      best = i;
      bestArea = area;
    }
  }
  if (bestArea == 0) {
    if (flags == win::MONITOR_DEFAULTTONULL) return 0;
    best = 0;
    if (flags == win::MONITOR_DEFAULTTONEAREST) {
      for (std::size_t i = 1; i < monitors.size(); ++i) {
        if (DistanceSquared(rect, monitors[i].monitor) <
            DistanceSquared(rect, monitors[best].monitor)) {
          best = i;
        }
      }
    }
  }
  return kFirstMonitor + best;
}

std::optional<platform::MonitorInfo> SimWindowing::GetMonitorInfoA(win::HMONITOR monitor) {
  if (monitor < kFirstMonitor || monitor - kFirstMonitor >= monitors.size()) return std::nullopt;
  return monitors[monitor - kFirstMonitor];
}

int SimWindowing::TakePosted(win::HWND window, win::UINT message) {
  const std::lock_guard lock(postedMutex_);
  const auto before = posted_.size();
  posted_.erase(
      std::remove_if(posted_.begin(), posted_.end(),
                     [&](const Posted& p) { return p.window == window && p.message == message; }),
      posted_.end());
  return static_cast<int>(before - posted_.size());
}

int SimWindowing::DispatchPosted() {
  int ran = 0;
  if (const auto queue = SimMessageQueue::OfThread(SimMessageQueue::ThisThreadId())) {
    queue->ServeSent();
  }
  for (;;) {
    Posted next{};
    {
      const std::lock_guard lock(postedMutex_);
      if (posted_.empty()) break;
      next = posted_.front();
      posted_.pop_front();
    }
    if (SimFormWindow* form = Form(next.window)) form->Send(next.message, next.wParam, next.lParam);
    ++ran;
  }
  return ran;
}

namespace {

template <class Wanted>
Wanted* Find(const std::map<win::HWND, SimWindowBase*>& windows, win::HWND handle) {
  const auto found = windows.find(handle);
  return found == windows.end() ? nullptr : dynamic_cast<Wanted*>(found->second);
}

}  // namespace

SimFormWindow* SimWindowing::Form(win::HWND handle) const {
  return Find<SimFormWindow>(windows_, handle);
}
SimComboBox* SimWindowing::Combo(win::HWND handle) const {
  return Find<SimComboBox>(windows_, handle);
}
SimScrollBar* SimWindowing::Scroll(win::HWND handle) const {
  return Find<SimScrollBar>(windows_, handle);
}
SimCheckBox* SimWindowing::CheckBox(win::HWND handle) const {
  return Find<SimCheckBox>(windows_, handle);
}

std::vector<win::HWND> SimWindowing::Children(win::HWND parent) const {
  std::vector<win::HWND> children;
  for (win::HWND handle : order_) {
    if (windows_.at(handle)->parent() == parent) children.push_back(handle);
  }
  return children;
}

}  // namespace sim
