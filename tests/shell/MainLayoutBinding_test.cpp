// The layout's binding to the window's controls: each control is made once,
// in tab order, and a layout that does not match the window's controls one
// to one is refused with a message that names what is wrong.
#include "shell/MainLayout.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/sim/SimWorld.h"
#include "toolkit/ComboBox.h"

namespace {

std::string Layout(const std::string& children) {
  return "Begin Form frmTest\n   ClientWidth = 3000\n   ClientHeight = 3000\n" + children + "End\n";
}

std::string Node(const std::string& kind, const std::string& name, int tabIndex) {
  return "   Begin " + kind + " " + name + "\n      TabIndex = " + std::to_string(tabIndex) +
         "\n      Left = 15\n      Top = 15\n      Width = 600\n      Height = 300\n   End\n";
}

TEST(MainLayoutBinding, EveryControlIsMadeOnceInTabOrderOrTheLayoutIsRefused) {
  const std::string mask = Node("PictureBox", "picSkinMask", 0);
  struct Case {
    const char* what;
    std::string children;
    std::string error;  // empty: bound
  };
  const std::vector<Case> cases = {
      {"both, the second first in tab order",
       Node("ComboBox", "cmbA", 2) + Node("ComboBox", "cmbB", 1) + mask, ""},
      {"a control the window lacks",
       Node("ComboBox", "cmbA", 1) + Node("ComboBox", "cmbB", 2) + Node("ComboBox", "cmbC", 3) +
           mask,
       "the layout's ComboBox cmbC is not a control of the window"},
      {"a control of another kind",
       Node("CheckBox", "cmbA", 1) + Node("ComboBox", "cmbB", 2) + mask,
       "the layout's CheckBox cmbA is not a control of the window"},
      {"a control the layout lacks", Node("ComboBox", "cmbA", 1) + mask,
       "the layout lacks some of the window's controls"},
      {"no mask", Node("ComboBox", "cmbA", 1) + Node("ComboBox", "cmbB", 2),
       "the layout lacks picSkinMask"},
      {"a picture box the window lacks",
       Node("ComboBox", "cmbA", 1) + Node("ComboBox", "cmbB", 2) + Node("PictureBox", "pic", 0),
       "unknown picture box pic"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing_support::SimWorld world;
    const toolkit::LayoutParse parsed = toolkit::ParseLayout(Layout(c.children));
    ASSERT_TRUE(parsed.root) << parsed.error;
    toolkit::Form form;
    form.Create(*parsed.root);
    toolkit::ComboBox a, b;
    const main_layout::Slot slots[] = {{"cmbA", "ComboBox", &a}, {"cmbB", "ComboBox", &b}};
    std::unique_ptr<toolkit::PictureBox> box;
    if (!c.error.empty()) {
      try {
        main_layout::CreateControls(form, *parsed.root, slots, box);
        ADD_FAILURE() << "bound";
      } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()), c.error);
      }
      continue;
    }
    main_layout::CreateControls(form, *parsed.root, slots, box);
    ASSERT_NE(box, nullptr);
    ASSERT_NE(a.hWnd(), 0u);
    ASSERT_NE(b.hWnd(), 0u);
    // Windows are made in tab order: the one made first gets the lower handle.
    EXPECT_LT(b.hWnd(), a.hWnd());
  }
}

TEST(MainLayoutBinding, OnlyTimer1IsATimerOfTheWindow) {
  testing_support::SimWorld world;
  toolkit::Timer timer;
  const auto with = [](const std::string& name) {
    return *toolkit::ParseLayout(
                Layout("   Begin Timer " + name + "\n      Interval = 250\n   End\n"))
                .root;
  };
  main_layout::SetUpTimer(with("Timer1"), timer);
  EXPECT_EQ(timer.Interval(), 250u);
  EXPECT_THROW(main_layout::SetUpTimer(with("Timer2"), timer), std::runtime_error);
}

}  // namespace
