// The keyboard focus as the window system keeps it: activation gives a
// shown window the focus itself, hiding takes it, and a skinned button's
// site takes it like any child window.
#include <memory>

#include "conformance/ContractTest.h"

namespace conformance {
namespace {

class FocusContract : public ContractTest {};

TEST_F(FocusContract, AWindowThatComesBackGetsTheFocusItselfNotItsChild) {
  platform::Windowing& windowing = Platform().Windowing();
  platform::FormSpec spec;
  spec.caption = "focus contract";
  spec.clientWidth = 200;
  spec.clientHeight = 100;
  const auto form = windowing.CreateForm(spec);
  const win::HWND window = form->Handle();
  platform::ChildSpec child;
  child.parent = window;
  child.rect = {10, 10, 100, 20};
  const auto list = windowing.CreateComboBox(child);
  const auto site = Platform().UserControls().Create(window, 10, 40, 30, 20);
  EXPECT_TRUE(windowing.IsChild(window, list->Handle()));
  EXPECT_TRUE(windowing.IsChild(window, site->hwnd()));
  EXPECT_FALSE(windowing.IsChild(list->Handle(), window));
  if (Platform().IsWine()) {
    // Wine keeps no keyboard-cue state: WM_QUERYUISTATE answers 0, cues shown.
    EXPECT_TRUE(site->FocusCuesShown());
  } else {
    EXPECT_FALSE(site->FocusCuesShown()) << "cues stay hidden until the keyboard is used";
  }

  form->ShowWindow(win::SW_SHOW);
  EXPECT_EQ(windowing.GetFocus(), window) << "activation gives the window the focus";
  windowing.SetFocus(site->hwnd());
  EXPECT_EQ(windowing.GetFocus(), site->hwnd());
  windowing.SetFocus(list->Handle());
  EXPECT_EQ(windowing.GetFocus(), list->Handle());

  form->ShowWindow(win::SW_HIDE);
  EXPECT_NE(windowing.GetFocus(), list->Handle()) << "hiding takes the focus";
  form->ShowWindow(win::SW_SHOW);
  EXPECT_EQ(windowing.GetFocus(), window) << "and showing gives it to the window, not the child";
}

}  // namespace
}  // namespace conformance
