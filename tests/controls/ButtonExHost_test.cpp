// A ButtonEx placed by a layout block: the container's keys reach the site,
// the control's keys its bag.
#include "controls/ButtonExHost.h"

#include <gtest/gtest.h>

#include <string>

#include "support/sim/SimWorld.h"
#include "toolkit/Form.h"
#include "toolkit/Layout.h"

namespace {

toolkit::LayoutNode Parse(const std::string& text) {
  toolkit::LayoutParse parsed = toolkit::ParseLayout(text);
  EXPECT_TRUE(parsed.root) << parsed.error;
  return parsed.root ? std::move(*parsed.root) : toolkit::LayoutNode{};
}

TEST(ButtonExHost, SavedEnabledVisibleAndAccessibleNameAreApplied) {
  struct Case {
    const char* keys;
    bool enabled;
    bool visible;
  };
  for (const Case& c : {Case{"", true, true}, Case{"Enabled = 0   'False\n", false, true},
                        Case{"Visible = 0   'False\n", true, false}}) {
    testing_support::SimWorld world;
    toolkit::Form form;
    form.Create(Parse("Begin Form frmTest\n ClientWidth = 3000\n ClientHeight = 3000\nEnd\n"));
    controls::ButtonExHost host;
    host.Create(form, Parse(std::string("Begin ButtonEx btnApply\n") + c.keys +
                            " Left = 150\n Top = 150\n Width = 855\n Height = 345\n"
                            " AccessibleName = \"Apply\"\n caption = \"\"\nEnd\n"));
    int clicks = 0;
    host.Click = [&] { ++clicks; };
    sim::SimUserControlSurface* site = world.desktop.Surface(host.hWnd());
    ASSERT_NE(site, nullptr);
    EXPECT_EQ(host.Button().Enabled(), c.enabled) << c.keys;
    EXPECT_EQ(site->Visible(), c.visible) << c.keys;
    site->Click();
    EXPECT_EQ(clicks, c.enabled && c.visible ? 1 : 0) << c.keys;
    EXPECT_EQ(site->WindowText(), "Apply") << "the name assistive technology reads";
    EXPECT_EQ(host.Button().Caption(), "") << "the face keeps its saved caption";
  }
}

}  // namespace
