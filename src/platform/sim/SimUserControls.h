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
  void GotFocus();
  void LostFocus();
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
  void EnableWindow(bool /*enabled*/) override {}
  void ShowSiteWindow(bool /*visible*/) override {}
  void SetSiteWindowText(const std::string& /*text*/) override {}
  void InvalidateWindow() override {}
  void AcceptDrops(bool accept) override { acceptsDrops_ = accept; }

 private:
  // Input reaches the control only while the window is enabled and shown.
  bool Listening() const { return Enabled() && Visible() && Events() != nullptr; }

  SimDesktop& desktop_;
  win::HWND hwnd_;
  win::HWND parent_;
  int refreshes_ = 0;
  bool acceptsDrops_ = false;
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
  SimGdi& Gdi() const { return gdi_; }

 private:
  friend class SimUserControlSurface;
  std::optional<win::POINT> Origin(win::HWND window) const;

  SimGdi& gdi_;
  std::map<win::HWND, win::POINT> origins_;
  std::map<win::HWND, SimUserControlSurface*> surfaces_;
  win::HWND next_ = 0x20000;
  win::POINT cursor_{0, 0};
};

}  // namespace sim
