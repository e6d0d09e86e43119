// Pointer, key, focus and drag input: the faces it draws and the events it raises.
#include <gmock/gmock.h>

#include "controls/ButtonExFixture.h"

namespace controls_test {
namespace {

using controls::ButtonEx;
using testing::ElementsAre;
using testing::IsEmpty;

class ButtonExInput : public ButtonExTest {
 protected:
  void SetUp() override {
    Create();
    auto log = [this](const char* name) { return [this, name] { events_.push_back(name); }; };
    auto logMouse = [this](const char* name) {
      return [this, name](std::int16_t, std::int16_t, float, float) { events_.push_back(name); };
    };
    button_->Click = log("Click");
    button_->MouseEnter = log("MouseEnter");
    button_->MouseExit = log("MouseExit");
    button_->Resize = log("Resize");
    button_->MouseDown = logMouse("MouseDown");
    button_->MouseMove = logMouse("MouseMove");
    button_->MouseUp = logMouse("MouseUp");
  }

  // Moves the pointer to a point of the button and lets the site report it.
  void Move(int x, int y, int button = 0) {
    PointerAt(x, y);
    site_->MouseMove(button, 0, static_cast<float>(x), static_cast<float>(y));
  }
  std::int32_t Face() const { return button_->CurrentState(); }
  int Count(const std::string& name) const {
    return static_cast<int>(std::count(events_.begin(), events_.end(), name));
  }

  std::vector<std::string> events_;
};

TEST_F(ButtonExInput, ACompleteClickOnAPushButton) {
  std::vector<std::int32_t> faces;
  Move(5, 5);  // enters: starts the hover timer, the face waits
  faces.push_back(Face());
  Move(6, 5);
  faces.push_back(Face());
  site_->MouseDown(platform::kLeftButton, 0, 6, 5);
  faces.push_back(Face());
  site_->MouseUp(platform::kLeftButton, 0, 6, 5);
  faces.push_back(Face());
  site_->Click();
  faces.push_back(Face());
  Move(7, 5);
  faces.push_back(Face());
  Tick();  // still inside
  faces.push_back(Face());
  PointerAt(200, 5);
  Tick();
  faces.push_back(Face());
  EXPECT_THAT(faces, ElementsAre(1, 2, 0, 1, 1, 2, 2, 1));
  EXPECT_THAT(events_, ElementsAre("MouseEnter", "MouseMove", "MouseMove", "MouseDown", "MouseUp",
                                   "Click", "MouseMove", "MouseExit"));
  EXPECT_FALSE(button_->HoverTimerRunning());
  EXPECT_EQ(button_->LastHoverEvent(), "MouseExit");
}

TEST_F(ButtonExInput, AToggleButtonStaysPressedUntilTheNextPress) {
  button_->SetStyle(1);
  Move(5, 5);
  Move(6, 5);
  EXPECT_EQ(Face(), ButtonEx::StateOver);
  site_->MouseDown(platform::kLeftButton, 0, 6, 5);
  EXPECT_EQ(button_->Value(), 0);
  EXPECT_EQ(Face(), ButtonEx::StateDown);
  site_->MouseUp(platform::kLeftButton, 0, 6, 5);
  Move(7, 5);
  EXPECT_EQ(Face(), ButtonEx::StateDown) << "through the release and moves";
  PointerAt(200, 5);
  Tick();
  EXPECT_EQ(Face(), ButtonEx::StateDown) << "and through leaving";
  Move(5, 5);
  Move(6, 5);
  site_->MouseDown(platform::kLeftButton, 0, 6, 5);
  EXPECT_EQ(button_->Value(), 1);
  EXPECT_EQ(Face(), ButtonEx::StateUp);
}

TEST_F(ButtonExInput, TheHoverTimerTicksAtTheSystemsShortestPeriod) {
  Move(5, 5);
  ASSERT_TRUE(button_->HoverTimerRunning());
  PointerAt(200, 5);
  timers_.Advance(win::USER_TIMER_MINIMUM - 1);
  EXPECT_EQ(Count("MouseExit"), 0) << "1 ms is raised to the minimum";
  timers_.Advance(1);
  EXPECT_EQ(Count("MouseExit"), 1);
}

TEST_F(ButtonExInput, APointerOnTheRightOrBottomEdgeIsInside) {
  Move(5, 5);
  PointerAt(80, 24);
  Tick();
  EXPECT_TRUE(button_->HoverTimerRunning());
  PointerAt(80, 25);
  Tick();
  EXPECT_FALSE(button_->HoverTimerRunning());
  Move(0, 0);
  PointerAt(-1, 0);
  Tick();
  EXPECT_EQ(Count("MouseExit"), 2);
}

TEST_F(ButtonExInput, MovesOutsideTheControlRaiseNothing) {
  Move(5, 5);
  Move(-3, 5, platform::kLeftButton);
  Move(81, 5, platform::kLeftButton);
  Move(80, 24);
  EXPECT_THAT(events_, ElementsAre("MouseEnter", "MouseMove", "MouseMove"));
}

TEST_F(ButtonExInput, DraggingOutAndBackInWithTheButtonHeld) {
  Move(5, 5);
  Move(6, 5);
  site_->MouseDown(platform::kLeftButton, 0, 6, 5);
  ASSERT_EQ(Face(), ButtonEx::StateDown);
  for (int step = 0; step < 5; ++step) {
    Move(-10 - step, 5, platform::kLeftButton);  // each move outside restarts the timer
    Tick();
  }
  EXPECT_EQ(Face(), ButtonEx::StateUp);
  EXPECT_EQ(Count("MouseExit"), 1) << "however long the drag lasts";
  Move(5, 5, platform::kLeftButton);
  EXPECT_EQ(Count("MouseEnter"), 2);
  EXPECT_EQ(Face(), ButtonEx::StateUp) << "the move that comes back only enters";
  Move(6, 5, platform::kLeftButton);
  EXPECT_EQ(Face(), ButtonEx::StateDown);
}

TEST_F(ButtonExInput, ALeftPressAfterThePointerLeftFlipsValueButDrawsNoPressedFace) {
  Move(5, 5);
  PointerAt(200, 5);
  Tick();
  site_->MouseDown(platform::kLeftButton, 0, 5, 5);
  EXPECT_EQ(button_->Value(), 0);
  EXPECT_EQ(Face(), ButtonEx::StateUp);
  EXPECT_EQ(Count("MouseDown"), 1);
}

TEST_F(ButtonExInput, TheRightButtonChangesNeitherFaceNorValue) {
  Move(5, 5);
  Move(6, 5);
  site_->MouseDown(platform::kRightButton, 0, 6, 5);
  Move(7, 5, platform::kRightButton);
  site_->MouseUp(platform::kRightButton, 0, 7, 5);
  EXPECT_EQ(Face(), ButtonEx::StateOver);
  EXPECT_EQ(button_->Value(), 1);
  EXPECT_EQ(Count("MouseDown"), 1);
  EXPECT_EQ(Count("MouseUp"), 1);
}

TEST_F(ButtonExInput, MouseEventsReportButtonShiftAndTwips) {
  std::vector<float> seen;
  button_->MouseDown = [&](std::int16_t button, std::int16_t shift, float x, float y) {
    seen = {static_cast<float>(button), static_cast<float>(shift), x, y};
  };
  site_->MouseDown(platform::kMiddleButton, platform::kShiftMask | platform::kAltMask, 3, 4);
  EXPECT_THAT(seen, ElementsAre(4.0f, 5.0f, 45.0f, 60.0f));
  screen_.dpiX = 120;
  site_->MouseDown(platform::kLeftButton, 0, 3, 4);
  EXPECT_THAT(seen, ElementsAre(1.0f, 0.0f, 36.0f, 60.0f));
}

TEST_F(ButtonExInput, InADesignerMovesDrawAtOnceAndNoTimerRuns) {
  site_->SetAmbientUserMode(false);
  Move(5, 5);
  EXPECT_EQ(Face(), ButtonEx::StateOver);
  EXPECT_FALSE(button_->HoverTimerRunning());
  PointerAt(200, 5);
  timers_.Advance(1000);
  EXPECT_EQ(Count("MouseExit"), 0);
  EXPECT_EQ(Face(), ButtonEx::StateOver) << "the face stays as the last move left it";
}

TEST_F(ButtonExInput, KeyEventsGetCopiesOfTheirArguments) {
  std::vector<int> seen;
  button_->KeyDown = [&](std::int16_t keyCode, std::int16_t shift) {
    seen.insert(seen.end(), {keyCode, shift});
    keyCode = 0;
  };
  button_->KeyPress = [&](std::int16_t keyAscii) {
    seen.push_back(keyAscii);
    keyAscii = 0;
  };
  button_->KeyUp = [&](std::int16_t keyCode, std::int16_t shift) {
    seen.insert(seen.end(), {keyCode, shift});
  };
  EXPECT_EQ(site_->KeyDown('A', platform::kCtrlMask), 'A');
  EXPECT_EQ(site_->KeyPress(65), 65) << "the platform still sees the key";
  EXPECT_EQ(site_->KeyUp('A', 0), 'A');
  EXPECT_THAT(seen, ElementsAre('A', 2, 65, 'A', 0));
  EXPECT_THAT(events_, IsEmpty()) << "no key but Space and Enter clicks the button";
}

TEST_F(ButtonExInput, FocusAndDisplayAsDefaultShowTheFocusCue) {
  site_->GotFocus();
  EXPECT_TRUE(button_->FocusCue());
  EXPECT_EQ(gdi_.FocusRects().size(), 1u);
  gdi_.ClearRecords();
  site_->LostFocus();
  EXPECT_THAT(gdi_.FocusRects(), IsEmpty());
  gdi_.ClearRecords();
  site_->SetAmbientDisplayAsDefault(true);
  EXPECT_TRUE(button_->FocusCue());
  ASSERT_FALSE(Edges().empty());
  EXPECT_EQ(Edges()[0].flags, win::BF_RECT | win::BF_ADJUST | win::BF_MONO) << "the frame";
}

TEST_F(ButtonExInput, ASizeChangeRedrawsNormalThenRaisesResize) {
  button_->SetValue(2);
  std::int32_t faceAtResize = -1;
  button_->Resize = [&] { faceAtResize = Face(); };
  site_->Move(10, 20, 100, 30);
  EXPECT_EQ(faceAtResize, ButtonEx::StateUp);
  EXPECT_EQ(Edges().back().rect.right, 100);
}

TEST_F(ButtonExInput, ADisabledButtonGetsNoInput) {
  button_->SetEnabled(false);
  Move(5, 5);
  site_->MouseDown(platform::kLeftButton, 0, 5, 5);
  EXPECT_THAT(events_, IsEmpty());
  EXPECT_FALSE(button_->HoverTimerRunning());
}

TEST_F(ButtonExInput, ADragFromTheButtonPassesTheArgumentsByReference) {
  std::int32_t feedback = -1, completed = -1;
  button_->OLEStartDrag = [](platform::DataObject& data, std::int32_t& allowedEffects) {
    data.SetData(win::CF_TEXT);  // declared; rendered when the target asks
    allowedEffects = win::DROPEFFECT_COPY;
  };
  button_->OLESetData = [](platform::DataObject& data, std::int16_t& format) {
    if (format == win::CF_TEXT) data.SetText("hello");
  };
  button_->OLEGiveFeedback = [&](std::int32_t& effect, bool& defaultCursors) {
    feedback = effect;
    defaultCursors = false;
  };
  button_->OLECompleteDrag = [&](std::int32_t& effect) { completed = effect; };
  site_->targetEffects = win::DROPEFFECT_COPY | win::DROPEFFECT_MOVE;
  site_->targetFormat = win::CF_TEXT;
  button_->OLEDrag();
  EXPECT_EQ(feedback, static_cast<std::int32_t>(win::DROPEFFECT_COPY));
  EXPECT_FALSE(site_->usedDefaultCursors);
  ASSERT_TRUE(site_->droppedData);
  EXPECT_EQ(std::string(site_->droppedData->begin(), site_->droppedData->end() - 1), "hello");
  EXPECT_EQ(completed, static_cast<std::int32_t>(win::DROPEFFECT_COPY));
}

TEST_F(ButtonExInput, DropsReachTheButtonOnlyWhereTheSiteIsADropTarget) {
  int overs = 0;
  button_->OLEDragOver = [&](platform::DataObject&, std::int32_t& effect, std::int16_t&,
                             std::int16_t&, float&, float&, std::int16_t& state) {
    ++overs;
    effect = win::DROPEFFECT_MOVE;
    if (state == platform::kDragOver) state = platform::kDragLeave;
  };
  platform::DataObject data;
  data.SetText("x");
  button_->SetOLEDropMode(1);
  EXPECT_EQ(site_->DragOver(data, win::DROPEFFECT_COPY, platform::kDragEnter), 0);
  EXPECT_EQ(overs, 0) << "the property is not applied to the site";

  site_->SetOLEDropMode(1);
  EXPECT_EQ(
      site_->DragOver(data, win::DROPEFFECT_COPY | win::DROPEFFECT_MOVE, platform::kDragEnter),
      static_cast<std::int32_t>(win::DROPEFFECT_MOVE));
  EXPECT_EQ(Face(), ButtonEx::StateOver);
  site_->DragOver(data, win::DROPEFFECT_COPY, platform::kDragOver);
  EXPECT_EQ(Face(), ButtonEx::StateUp) << "the state as the handler left it";
}

}  // namespace
}  // namespace controls_test
