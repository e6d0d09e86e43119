// User-control sites in memory: the portable site behaviour over the sim GDI,
// plus what a test needs to play the platform (deliver input, set the
// pointer's screen position, play a drop target) and to look at the result
// (pixels of the persistent image, the region that cuts the control).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Pointer.h"
#include "platform/UserControlSurfaceBase.h"
#include "platform/sim/SimGdi.h"

namespace sim {

class SimDesktop;

class SimUserControlSurface final : public platform::UserControlSurfaceBase {
 public:
  SimUserControlSurface(SimDesktop& desktop, win::HWND hwnd, win::HWND parent, int left, int top,
                        int width, int height);
  ~SimUserControlSurface() override;

  using UserControlSurfaceBase::SetFocusCuesShown;
  win::HWND hwnd() const override { return hwnd_; }
  win::HWND Parent() const { return parent_; }
  void Refresh() override { ++refreshes_; }
  void OLEDrag() override;

  // --- input, as the platform delivers it: nothing reaches a disabled or
  // hidden surface ---
  void MouseDown(int button, int shift, float x, float y);
  void MouseMove(int button, int shift, float x, float y);
  void MouseUp(int button, int shift, float x, float y);
  void Click();
  // The key arguments after the control has seen them.
  std::int16_t KeyDown(std::int16_t keyCode, std::int16_t shift);
  std::int16_t KeyPress(std::int16_t keyAscii);
  std::int16_t KeyUp(std::int16_t keyCode, std::int16_t shift);
  // The keyboard focus comes or goes. As in Windows, a window that is
  // disabled or hidden while it has the focus loses it.
  void GotFocus();
  void LostFocus();
  bool HasFocus() const { return focused_; }
  // Alt+key: delivered when key is one of the access keys (case-insensitive).
  bool PressAccessKey(char key);
  // A drag over the surface, as a drop target sees it: only while OLEDropMode
  // is 1. Returns the effect the control answered.
  std::int32_t DragOver(platform::DataObject& data, std::int32_t effect, std::int16_t state,
                        float x = 0, float y = 0);
  std::int32_t DragDrop(platform::DataObject& data, std::int32_t effect, float x = 0, float y = 0);

  // The drop target OLEDrag meets: the effects it accepts and the format it reads.
  win::DWORD targetEffects = win::DROPEFFECT_COPY;
  std::optional<std::int16_t> targetFormat;
  // What the last OLEDrag gave the target (the bytes of targetFormat), and
  // whether the control left the default cursors on.
  std::optional<std::vector<std::uint8_t>> droppedData;
  bool usedDefaultCursors = true;

  // --- assistive technology ---
  // What WM_GETOBJECT answers: the control's own object, or none (the
  // platform's plain window object).
  std::optional<platform::AccessibleFacts> AccessibleObject();
  // Does the object's default action as Windows' own button objects do: the
  // click is posted to the window and runs when the message loop next runs
  // (RunPosted), so a caller is never held by what the click opens. Answers
  // whether the object took it.
  bool DoDefaultAction();
  void RunPosted();

  // --- what is shown ---
  win::COLORREF PixelAt(int x, int y) const;
  // Whether the pointer at (x, y) hits the control: inside its rectangle and region.
  bool IsHit(int x, int y) const;
  bool HasRegion() const;
  int Refreshes() const { return refreshes_; }
  bool AcceptsDrops() const { return acceptsDrops_; }

 protected:
  void ResizeWindow(int width, int height) override { Sized(width, height); }
  void MoveWindow(int /*left*/, int /*top*/) override {}
  void EnableWindow(bool enabled) override {
    if (!enabled) DropFocus();
  }
  void ShowSiteWindow(bool visible) override {
    if (!visible) DropFocus();
  }
  void SetSiteWindowText(const std::string& /*text*/) override {}
  void InvalidateWindow() override {}
  void AcceptDrops(bool accept) override { acceptsDrops_ = accept; }

 private:
  // Input reaches the control only while the window is enabled and shown.
  bool Listening() const { return Enabled() && Visible() && Events() != nullptr; }
  void DropFocus() {
    if (focused_) LostFocus();
  }

  SimDesktop& desktop_;
  win::HWND hwnd_;
  win::HWND parent_;
  int refreshes_ = 0;
  bool acceptsDrops_ = false;
  bool focused_ = false;
  int postedActions_ = 0;
};

// The sim's window system as far as user controls need it: it makes the
// sites, knows where windows are on the screen and where the pointer is.
class SimDesktop final : public platform::UserControls, public platform::Pointer {
 public:
  explicit SimDesktop(SimGdi& gdi) : gdi_(gdi) {}

  std::unique_ptr<platform::UserControlSurface> Create(win::HWND parent, int left, int top,
                                                       int width, int height) override;
  win::BOOL GetCursorPos(win::POINT* point) override;
  win::BOOL ScreenToClient(win::HWND window, win::POINT* point) override;

  void SetCursorPos(int x, int y) { cursor_ = {x, y}; }
  // Where a container's client area lies on the screen.
  void SetWindowOrigin(win::HWND window, int x, int y) { origins_[window] = {x, y}; }
  // Screen coordinates of a point of a window's client area.
  win::POINT ClientToScreen(win::HWND window, int x, int y) const;
  SimUserControlSurface* Surface(win::HWND window) const;
  // The keyboard cues of a container's window (WM_UPDATEUISTATE, which
  // Windows passes on to every child). A window starts with them hidden, as
  // one opened with the mouse; Tab and Alt show them.
  void ShowFocusCues(win::HWND container, bool shown);
  SimGdi& Gdi() const { return gdi_; }

 private:
  friend class SimUserControlSurface;
  std::optional<win::POINT> Origin(win::HWND window) const;

  SimGdi& gdi_;
  std::map<win::HWND, win::POINT> origins_;
  std::map<win::HWND, SimUserControlSurface*> surfaces_;
  std::map<win::HWND, bool> cuesShown_;
  win::HWND next_ = 0x20000;
  win::POINT cursor_{0, 0};
};

}  // namespace sim
