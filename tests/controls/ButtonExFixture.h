// A ButtonEx on a sim site, with the sim services installed and helpers to
// look at what it drew and to play the pointer.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/ButtonEx.h"
#include "platform/ServiceList.h"
#include "platform/sim/SimGdi.h"
#include "platform/sim/SimScreen.h"
#include "platform/sim/SimTimers.h"
#include "platform/sim/SimUserControls.h"
#include "support/DrawingTools.h"

namespace controls_test {

constexpr win::HWND kContainer = 0x500;
constexpr win::COLORREF kBlue = 0xFF0000;  // the default transparent colour
constexpr win::COLORREF kRed = 0x0000FF;
constexpr win::COLORREF kGreen = 0x00FF00;
constexpr win::COLORREF kYellow = 0x00FFFF;

class ButtonExTest : public ::testing::Test {
 protected:
  ButtonExTest() { desktop_.SetWindowOrigin(kContainer, 100, 200); }

  // A button at (10, 20) of the container, as a new instance or bare.
  controls::ButtonEx& Create(bool newInstance = true) {
    auto site = desktop_.Create(kContainer, 10, 20, 80, 24);
    site_ = static_cast<sim::SimUserControlSurface*>(site.get());
    button_ = std::make_unique<controls::ButtonEx>(std::move(site));
    if (newInstance) button_->InitProperties();
    gdi_.ClearRecords();
    return *button_;
  }

  // The pointer over a point of the button (pixels of its own surface).
  void PointerAt(int x, int y) {
    const win::POINT at = desktop_.ClientToScreen(site_->hwnd(), x, y);
    desktop_.SetCursorPos(at.x, at.y);
  }
  // Lets the hover timer tick once.
  void Tick() { timers_.Advance(win::USER_TIMER_MINIMUM); }

  std::vector<sim::SimGdi::EdgeCall> Edges() const { return gdi_.Edges(); }
  // The DrawStateA calls of the last face drawn.
  const sim::SimGdi::TextCall& LastCaption() const { return gdi_.Texts().back(); }

  // A 6 x 5 glyph: red ring and green middle on the key colour.
  static platform::PicturePtr Glyph(win::COLORREF ring = kRed) {
    return testing_support::PictureFromRows({"BBBBBB", "BRRRRB", "BRGGRB", "BRRRRB", "BBBBBB"},
                                            {{'B', kBlue}, {'R', ring}, {'G', kGreen}});
  }
  // A 30 x 20 skin of one colour with key-coloured corners.
  static platform::PicturePtr Skin(win::COLORREF color, int width = 30, int height = 20) {
    std::vector<win::COLORREF> pixels(static_cast<std::size_t>(width) * height, color);
    for (int corner : {0, width - 1, (height - 1) * width, height * width - 1}) {
      pixels[static_cast<std::size_t>(corner)] = kBlue;
    }
    return testing_support::PictureFromColors(width, height, pixels);
  }

  sim::SimGdi gdi_;
  sim::SimScreen screen_;
  sim::SimTimers timers_;
  sim::SimDesktop desktop_{gdi_};
  platform::InstallSome<platform::Gdi, platform::Screen, platform::Timers, platform::Pointer,
                        platform::UserControls>
      use_{gdi_, screen_, timers_, desktop_, desktop_};
  sim::SimUserControlSurface* site_ = nullptr;
  std::unique_ptr<controls::ButtonEx> button_;
};

}  // namespace controls_test
