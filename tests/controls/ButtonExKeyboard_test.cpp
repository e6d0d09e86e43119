// The button without a mouse: Space and Enter, the keyboard focus cue, and
// what assistive technology is told and can do.
#include <gmock/gmock.h>

#include <functional>

#include "controls/ButtonExFixture.h"

namespace controls_test {
namespace {

using controls::ButtonEx;
using testing::ElementsAre;
using testing::IsEmpty;

class ButtonExKeyboard : public ButtonExTest {
 protected:
  void SetUp() override {
    Create();
    button_->Click = [this] { events_.push_back("Click"); };
    button_->MouseDown = [this](std::int16_t, std::int16_t, float, float) {
      events_.push_back("MouseDown");
    };
    button_->MouseUp = [this](std::int16_t, std::int16_t, float, float) {
      events_.push_back("MouseUp");
    };
  }
  // The main window's kind of button: flat, no border, a picture over it all.
  void LikeTheMainWindows(int width = 80, int height = 24) {
    button_->SetAppearance(0);
    button_->SetBorderStyle(0);
    button_->SetAllowDefault(false);
    button_->SetPicture(Skin(kRed, width, height));
    site_->Move(10, 20, width, height);
  }
  int Clicks() const {
    return static_cast<int>(std::count(events_.begin(), events_.end(), "Click"));
  }

  std::vector<std::string> events_;
};

constexpr std::int16_t kSpace = win::VK_SPACE;
constexpr std::int16_t kReturn = win::VK_RETURN;
constexpr std::int16_t kEscape = win::VK_ESCAPE;

TEST_F(ButtonExKeyboard, KeysPressOnlyAnEnabledVisibleButtonAndClickOncePerPress) {
  using Step = std::function<void(sim::SimUserControlSurface&)>;
  auto down = [](std::int16_t key) -> Step { return [key](auto& s) { s.KeyDown(key, 0); }; };
  auto up = [](std::int16_t key) -> Step { return [key](auto& s) { s.KeyUp(key, 0); }; };
  const Step lose = [](auto& s) { s.LostFocus(); };
  const struct {
    const char* keys;
    std::vector<Step> steps;
  } presses[] = {
      // The second Space down is the key's auto-repeat.
      {"Space down, up", {down(kSpace), down(kSpace), up(kSpace)}},
      {"Space down, Escape", {down(kSpace), down(kEscape), up(kEscape), up(kSpace)}},
      {"Space down, focus lost", {down(kSpace), lose, up(kSpace)}},
      {"Enter", {down(kReturn), down(kReturn), up(kReturn)}},
  };
  enum Condition { Enabled, Disabled, Hidden };
  // Per step, the state of the face drawn by it ("-": none drawn); the Clicks.
  const struct {
    const char* keys;
    Condition condition;
    std::string faces;
    int clicks;
  } expected[] = {
      {"Space down, up", Enabled, "0-1", 1},
      {"Space down, up", Disabled, "---", 0},
      {"Space down, up", Hidden, "---", 0},
      {"Space down, Escape", Enabled, "01--", 0},
      {"Space down, Escape", Disabled, "----", 0},
      {"Space down, Escape", Hidden, "----", 0},
      {"Space down, focus lost", Enabled, "01-", 0},
      {"Space down, focus lost", Disabled, "---", 0},
      {"Space down, focus lost", Hidden, "---", 0},
      {"Enter", Enabled, "---", 1},
      {"Enter", Disabled, "---", 0},
      {"Enter", Hidden, "---", 0},
  };
  for (const auto& want : expected) {
    events_.clear();
    SetUp();
    LikeTheMainWindows();
    if (want.condition == Disabled) button_->SetEnabled(false);
    if (want.condition == Hidden) site_->SetVisible(false);
    site_->GotFocus();
    const auto& press = *std::find_if(std::begin(presses), std::end(presses), [&](const auto& p) {
      return std::string(p.keys) == want.keys;
    });
    std::string faces;
    for (const Step& step : press.steps) {
      gdi_.ClearRecords();
      step(*site_);
      faces += gdi_.Texts().empty() ? '-' : static_cast<char>('0' + button_->CurrentState());
    }
    const char* condition[] = {"enabled", "disabled", "hidden"};
    EXPECT_EQ(faces, want.faces) << want.keys << ", " << condition[want.condition];
    EXPECT_EQ(Clicks(), want.clicks) << want.keys << ", " << condition[want.condition];
  }
}

TEST_F(ButtonExKeyboard, ASpacePressFlipsValueAsAMousePressAndCancellingRestoresIt) {
  button_->SetStyle(1);  // a toggle button shows its value
  site_->GotFocus();
  site_->KeyDown(kSpace, 0);
  EXPECT_EQ(button_->Value(), 0);
  site_->KeyDown(kEscape, 0);
  EXPECT_EQ(button_->Value(), 1);
  EXPECT_EQ(button_->CurrentState(), ButtonEx::StateUp);

  site_->KeyDown(kSpace, 0);
  site_->KeyUp(kSpace, 0);
  EXPECT_EQ(button_->Value(), 0);
  EXPECT_EQ(button_->CurrentState(), ButtonEx::StateDown) << "stays pressed, as after a click";
  EXPECT_EQ(Clicks(), 1);
}

TEST_F(ButtonExKeyboard, SpaceShowsThePressedFaceWhereverThePointerIs) {
  PointerAt(5, 5);
  site_->MouseMove(0, 0, 5, 5);
  PointerAt(200, 5);
  Tick();
  ASSERT_EQ(button_->LastHoverEvent(), "MouseExit");
  site_->GotFocus();
  site_->KeyDown(kSpace, 0);
  EXPECT_EQ(button_->CurrentState(), ButtonEx::StateDown);
}

TEST_F(ButtonExKeyboard, DisablingAButtonWhileSpaceIsHeldTakesItsFocusAndItsClick) {
  site_->GotFocus();
  site_->KeyDown(kSpace, 0);
  button_->SetEnabled(false);
  EXPECT_FALSE(site_->HasFocus());
  site_->KeyUp(kSpace, 0);
  EXPECT_EQ(Clicks(), 0);
  EXPECT_EQ(button_->Value(), 1);
}

TEST_F(ButtonExKeyboard, TheFocusCueShowsOnlyWhileFocusedWithCuesShown) {
  const struct {
    int width, height;
    bool focused, cues, allowFocus;
    std::int32_t state;
    std::vector<win::RECT> rects;
  } cases[] = {
      {80, 24, true, true, true, 1, {{4, 4, 76, 20}}},
      {57, 23, true, true, true, 1, {{4, 4, 53, 19}}},
      {15, 15, true, true, true, 1, {{1, 1, 14, 14}}},   // too small for 4 pixels in
      {15, 15, true, true, true, 0, {{1, 1, 14, 14}}},   // on top of the pressed picture alone
      {80, 24, true, false, true, 1, {}},                // a mouse user's faces stay as they were:
      {15, 15, true, false, true, 0, {{4, 4, 11, 11}}},  // the pressed face's, under the picture
      {80, 24, false, true, true, 1, {}},
      {80, 24, true, true, false, 1, {}},
  };
  for (const auto& c : cases) {
    Create();
    LikeTheMainWindows(c.width, c.height);
    button_->SetAllowFocus(c.allowFocus);
    desktop_.ShowFocusCues(kContainer, c.cues);
    if (c.focused) site_->GotFocus();
    gdi_.ClearRecords();
    button_->SetValue(c.state);
    std::vector<win::RECT> rects;
    for (const auto& call : gdi_.FocusRects()) {
      EXPECT_EQ(call.textColor, 0u) << "drawn with the foreground black";
      rects.push_back(call.rect);
    }
    auto same = [](const win::RECT& a, const win::RECT& b) {
      return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    };
    EXPECT_TRUE(std::equal(rects.begin(), rects.end(), c.rects.begin(), c.rects.end(), same))
        << c.width << "x" << c.height << " focused " << c.focused << " cues " << c.cues
        << " allowFocus " << c.allowFocus << " state " << c.state << ": " << rects.size()
        << " rectangles";
  }
}

TEST_F(ButtonExKeyboard, TheCueFollowsTheWindowsCuesAndIsNeverDrawnTwice) {
  LikeTheMainWindows();
  site_->GotFocus();
  gdi_.ClearRecords();
  desktop_.ShowFocusCues(kContainer, true);  // Tab pressed while the button has the focus
  EXPECT_EQ(gdi_.FocusRects().size(), 1u);
  gdi_.ClearRecords();
  desktop_.ShowFocusCues(kContainer, false);
  EXPECT_THAT(gdi_.FocusRects(), IsEmpty());

  // A standard face draws its own focus rectangle; a second would invert it away.
  button_->SetAppearance(1);
  button_->SetBorderStyle(1);
  desktop_.ShowFocusCues(kContainer, true);
  gdi_.ClearRecords();
  button_->ClearHighlight();
  EXPECT_EQ(gdi_.FocusRects().size(), 1u);
}

TEST_F(ButtonExKeyboard, AssistiveTechnologySeesAPushButtonWithItsNameAndState) {
  constexpr std::uint32_t kFocusable = win::STATE_SYSTEM_FOCUSABLE;
  button_->SetCaption("&Apply && go");
  auto facts = site_->AccessibleObject();
  ASSERT_TRUE(facts);
  EXPECT_EQ(*facts, (platform::AccessibleFacts{win::ROLE_SYSTEM_PUSHBUTTON, kFocusable,
                                               "Apply & go", "Press"}))
      << "without a name of the site's, the caption as it reads";
  site_->SetWindowText("OK");
  EXPECT_EQ(site_->AccessibleObject()->name, "OK");

  site_->GotFocus();
  site_->KeyDown(kSpace, 0);
  EXPECT_EQ(site_->AccessibleObject()->state,
            kFocusable | win::STATE_SYSTEM_FOCUSED | win::STATE_SYSTEM_PRESSED);
  site_->KeyUp(kSpace, 0);
  button_->SetEnabled(false);
  EXPECT_EQ(site_->AccessibleObject()->state, win::STATE_SYSTEM_UNAVAILABLE);
  button_->SetEnabled(true);
  site_->SetVisible(false);
  EXPECT_EQ(site_->AccessibleObject()->state, win::STATE_SYSTEM_INVISIBLE);
}

TEST_F(ButtonExKeyboard, TheDefaultActionClicksAsTheMouseDoesFromTheMessageLoop) {
  ASSERT_TRUE(site_->DoDefaultAction());
  EXPECT_THAT(events_, IsEmpty()) << "posted, not run within the call";
  site_->RunPosted();
  EXPECT_THAT(events_, ElementsAre("MouseDown", "MouseUp", "Click"));
  EXPECT_EQ(button_->Value(), 0) << "flipped by the press, as a click flips it";

  events_.clear();
  button_->SetEnabled(false);
  EXPECT_FALSE(site_->DoDefaultAction()) << "an unavailable button has no action to do";
  ASSERT_TRUE(site_->AccessibleObject());
  button_->SetEnabled(true);
  ASSERT_TRUE(site_->DoDefaultAction());
  button_->SetEnabled(false);  // disabled before the loop ran
  site_->RunPosted();
  EXPECT_THAT(events_, IsEmpty());
}

}  // namespace
}  // namespace controls_test
