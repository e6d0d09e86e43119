// The settings panel: how start-up fills it, what each change applies and
// says, and what Apply and OK store.
#include "mouse/SettingsPanel.h"

#include <gtest/gtest.h>

#include "support/sim/ProgramFixture.h"

namespace {

using sim::MouseParamsCall;
using testing_support::ProgramTest;

class Panel : public ProgramTest {
 protected:
  sim::SimScrollBar& Bar(const toolkit::ScrollBar& bar) {
    return *world_.windowing.Scroll(bar.hWnd());
  }
  sim::SimComboBox& Box(const toolkit::ComboBox& box) {
    return *world_.windowing.Combo(box.hWnd());
  }
};

TEST(ScrollLinesFromStored, BlankOrNotANumberGivesThreeAndNumbersAreKeptInRange) {
  struct Case {
    const char* stored;
    int lines;
  };
  for (const Case& c : {Case{"", 3}, Case{"   ", 3}, Case{" 7 ", 7}, Case{"1", 1}, Case{"20", 20},
                        Case{"0", 1}, Case{"25", 20}, Case{"-4", 1}, Case{"+5", 5}, Case{"007", 7},
                        Case{"99999999999999999999", 20}, Case{"abc", 3}, Case{"7a", 3},
                        Case{"7.5", 3}, Case{"-", 3}, Case{"1 2", 3}}) {
    EXPECT_EQ(ScrollLinesFromStored(c.stored), c.lines) << '"' << c.stored << '"';
  }
}

TEST_F(Panel, FirstRunWithNothingStored) {
  world_.mouse.wheelLines = 9;
  ASSERT_TRUE(StartProgram());
  EXPECT_EQ(Main().cmbWButton.Text(), "No use");
  EXPECT_EQ(Main().cmbXButton1.Text(), "Backward");
  EXPECT_EQ(Main().cmbXButton2.Text(), "Forward");
  EXPECT_EQ(Main().scrWheelScroll.Value(), 3);
  EXPECT_EQ(world_.mouse.wheelLines, 3u) << "the system scrolls 3 lines whatever it had";
  EXPECT_EQ(world_.mouse.acceleration, (std::array<int, 3>{0, 0, 0}));
  EXPECT_TRUE(world_.windowing.messageBoxes.empty());
  EXPECT_EQ(Box(Main().cmbWButton).Items(),
            (std::vector<std::string>{"No use", "IExplorer", "File Manager", "Excel"}));
}

TEST_F(Panel, StoredChoicesSelectTheirEntriesExactly) {
  struct Case {
    const char* wheel;
    const char* x1;
    const char* x2;
    const char* wheelShown;
    const char* x1Shown;
    const char* x2Shown;
  };
  for (const Case& c :
       {Case{"Excel", "Forward", "Backward", "Excel", "Forward", "Backward"},
        Case{"excel", "forward", "backward", "No use", "Backward", "Forward"},
        Case{"File Manager", "Backward", "Forward", "File Manager", "Backward", "Forward"},
        Case{"IExplorer", "junk", "junk", "IExplorer", "Backward", "Forward"},
        Case{"No use", "", "", "No use", "Backward", "Forward"}}) {
    testing_support::SimWorld world;
    for (auto [name, text] :
         {std::pair{"WheelButton", c.wheel}, {"XButton1", c.x1}, {"XButton2", c.x2}}) {
      testing_support::SetRaw(world.registry, win::HKEY_CURRENT_USER, "Control Panel\\Mouse", name,
                              win::REG_SZ, std::string(text) + '\0');
    }
    frmMain window;
    ASSERT_TRUE(window.Start());
    EXPECT_EQ(window.cmbWButton.Text(), c.wheelShown) << c.wheel;
    EXPECT_EQ(window.cmbXButton1.Text(), c.x1Shown) << c.x1;
    EXPECT_EQ(window.cmbXButton2.Text(), c.x2Shown) << c.x2;
  }
}

TEST_F(Panel, StoredScrollLinesAreAppliedToTheSystem) {
  Store("ScrollLine", " 7 ");
  ASSERT_TRUE(StartProgram());
  EXPECT_EQ(Main().scrWheelScroll.Value(), 7);
  EXPECT_EQ(world_.mouse.wheelLines, 7u);
}

TEST_F(Panel, OneScreenPerNotchFirstShowsAsOneThenTheStoredLinesReplaceIt) {
  world_.mouse.wheelLines = win::WHEEL_PAGESCROLL;
  ASSERT_TRUE(StartProgram());
  std::vector<std::int64_t> applied;
  for (const MouseParamsCall& call : world_.mouse.Calls()) {
    if (call.function == "SystemParametersInfoA" && call.args[0] == win::SPI_SETWHEELSCROLLLINES) {
      applied.push_back(call.args[1]);
    }
  }
  EXPECT_EQ(applied, (std::vector<std::int64_t>{1, 3}));
}

TEST_F(Panel, DoubleClickTimeOutsideTheBarsRangeIsBroughtIntoIt) {
  for (const auto& [system, shown] : {std::pair{1000u, 900}, {150u, 200}, {500u, 500}}) {
    testing_support::SimWorld world;
    world.mouse.doubleClickTime = system;
    frmMain window;
    ASSERT_TRUE(window.Start());
    EXPECT_EQ(window.scrClickSpeed.Value(), shown);
    EXPECT_EQ(world.mouse.doubleClickTime, static_cast<unsigned>(shown)) << system;
  }
}

TEST_F(Panel, StoredScrollLinesReachTheSystemEvenWhenTheBarAlreadyShowsThem) {
  // One screen per notch reads as -1 and shows as 1; a stored "1" changes no
  // bar value, yet the system must scroll one line afterwards.
  world_.mouse.wheelLines = win::WHEEL_PAGESCROLL;
  Store("ScrollLine", "1");
  ASSERT_TRUE(StartProgram());
  EXPECT_EQ(world_.mouse.wheelLines, 1u);
}

TEST_F(Panel, SwappedButtonsAtStartShowRightAsPrimaryWithoutAMessage) {
  world_.mouse.swapped = true;
  ASSERT_TRUE(StartProgram());
  EXPECT_EQ(Main().cmbLButton.Text(), "Right Button");
  EXPECT_EQ(Main().cmbRButton.Text(), "Left Button");
  EXPECT_TRUE(world_.mouse.swapped);
  EXPECT_TRUE(world_.windowing.messageBoxes.empty());
}

TEST_F(Panel, StartUpKeepsTheSystemSpeedAndSaysNothingAboutIt) {
  world_.mouse.speed = 17;
  ASSERT_TRUE(StartProgram());
  EXPECT_EQ(Main().scrSpeed.Value(), 17);
  EXPECT_EQ(world_.mouse.speed, 17);
  EXPECT_TRUE(world_.windowing.messageBoxes.empty()) << "no speed warning before activation";
}

TEST_F(Panel, ChoosingThePrimaryButtonSwapsAtOnceAndSaysSo) {
  ASSERT_TRUE(StartProgram());
  ASSERT_TRUE(Box(Main().cmbLButton).UserChooses("Right Button"));
  EXPECT_TRUE(world_.mouse.swapped);
  EXPECT_EQ(Main().cmbRButton.Text(), "Left Button");
  ASSERT_TRUE(Box(Main().cmbLButton).UserChooses("Right Button"));  // the same entry again
  ASSERT_TRUE(Box(Main().cmbLButton).UserChooses("Left Button"));
  EXPECT_FALSE(world_.mouse.swapped);
  EXPECT_EQ(MessagesShown(),
            std::vector<std::string>(3, "Left and Right buttons of mouse have been switched."));
  for (const auto& box : world_.windowing.messageBoxes) {
    EXPECT_EQ(box.caption, "KV-3050P Setup");
    EXPECT_EQ(box.type, win::MB_OK);
    EXPECT_EQ(box.owner, Main().form.hWnd());
  }
}

TEST_F(Panel, SpeedsFromFourteenUpWarnEachTime) {
  world_.mouse.speed = 13;
  ASSERT_TRUE(StartProgram());
  const std::string warning = "Non-recommended as a speed";
  Bar(Main().scrSpeed).UserRequests(win::SB_LINERIGHT);  // 13 -> 14
  EXPECT_EQ(MessagesShown(), std::vector<std::string>{warning});
  Bar(Main().scrSpeed).UserRequests(win::SB_LINERIGHT);  // 14 -> 15
  EXPECT_EQ(MessagesShown().size(), 2u);
  Bar(Main().scrSpeed).UserDrags({14, 13});  // 15 -> 13 on release
  EXPECT_EQ(MessagesShown().size(), 2u);
  EXPECT_EQ(world_.mouse.speed, 13);
  Bar(Main().scrSpeed).UserDrags({20, 14});  // released at 14
  EXPECT_EQ(MessagesShown().size(), 3u);
  EXPECT_EQ(Main().scrSpeed.Value(), 14) << "the bar stays where the user put it";
  EXPECT_EQ(world_.mouse.speed, 14);
}

TEST_F(Panel, TheSpeedWarningWaitsUntilTheArrowIsReleasedSoOneClickIsOneStep) {
  world_.mouse.speed = 13;
  ASSERT_TRUE(StartProgram());
  sim::SimScrollBar& bar = Bar(Main().scrSpeed);
  bar.UserPresses(win::SB_LINERIGHT);  // 13 -> 14, the arrow still held
  EXPECT_TRUE(MessagesShown().empty()) << "no modal box while the bar tracks the mouse";
  bar.UserReleases();
  EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Non-recommended as a speed"});
  EXPECT_EQ(Main().scrSpeed.Value(), 14) << "no step behind the box";
  ASSERT_TRUE(ClickButton(Main().btnApply));
  EXPECT_EQ(Stored("MouseSensitivity"), "14");

  // Holding the arrow steps on by itself; its steps warn once, at the release.
  bar.UserPresses(win::SB_LINERIGHT);
  bar.AutoRepeat();
  bar.AutoRepeat();
  bar.UserReleases();
  EXPECT_EQ(Main().scrSpeed.Value(), 17);
  EXPECT_EQ(world_.mouse.speed, 17);
  EXPECT_EQ(MessagesShown().size(), 3u) << "Apply's message, then one warning";
}

TEST_F(Panel, DraggingAThumbAppliesOnlyTheReleasedValue) {
  ASSERT_TRUE(StartProgram());
  world_.mouse.ClearCalls();
  Bar(Main().scrWheelScroll).UserDrags({4, 9, 12});  // positions 0.. from the left: 1 + 12
  std::vector<std::int64_t> applied;
  for (const MouseParamsCall& call : world_.mouse.Calls()) applied.push_back(call.args[1]);
  EXPECT_EQ(applied, (std::vector<std::int64_t>{13}));
}

TEST_F(Panel, TheDoubleClickBarCountsDownToTheRight) {
  world_.mouse.doubleClickTime = 500;
  ASSERT_TRUE(StartProgram());
  EXPECT_EQ(Bar(Main().scrClickSpeed).Position(), 400);
  EXPECT_EQ(Bar(Main().scrClickSpeed).RangeMax(), 700);
  Bar(Main().scrClickSpeed).UserRequests(win::SB_PAGERIGHT);
  EXPECT_EQ(world_.mouse.doubleClickTime, 470u);
  Bar(Main().scrClickSpeed).UserRequests(win::SB_LINELEFT);
  EXPECT_EQ(world_.mouse.doubleClickTime, 471u);
  Bar(Main().scrClickSpeed).UserRequests(win::SB_RIGHT);
  EXPECT_EQ(world_.mouse.doubleClickTime, 200u);
  world_.mouse.ClearCalls();
  Bar(Main().scrClickSpeed).UserRequests(win::SB_PAGERIGHT);  // already at the end
  EXPECT_TRUE(world_.mouse.Calls().empty());
}

TEST_F(Panel, ApplyStoresTheTenValuesInOrderThenSaysSo) {
  world_.mouse.speed = 12;
  world_.mouse.doubleClickTime = 640;
  Store("ScrollLine", "5");
  ASSERT_TRUE(StartProgram());
  ForgetStoredValues();
  Box(Main().cmbLButton).UserChooses("Right Button");
  Box(Main().cmbWButton).UserChooses("File Manager");
  Box(Main().cmbXButton2).UserChooses("Backward");
  world_.windowing.messageBoxes.clear();
  ASSERT_TRUE(ClickButton(Main().btnApply));
  EXPECT_EQ(StoredInOrder(),
            (std::vector<std::pair<std::string, std::string>>{{"SwapMouseButtons", "1"},
                                                              {"WheelButton", "File Manager"},
                                                              {"XButton1", "Backward"},
                                                              {"XButton2", "Backward"},
                                                              {"MouseSensitivity", "12"},
                                                              {"DoubleClickSpeed", "640"},
                                                              {"ScrollLine", "5"},
                                                              {"MouseSpeed", "0"},
                                                              {"MouseThreshold1", "0"},
                                                              {"MouseThreshold2", "0"}}));
  EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Performance well adjusted"});
  EXPECT_TRUE(Window().IsWindowVisible());
  EXPECT_EQ(world_.registry.OpenKeyCount(), 1) << "only the key watched for the wake-up flag";
}

TEST_F(Panel, OkStoresThenHidesToTheTrayWithoutAMessage) {
  ASSERT_TRUE(StartProgram());
  ForgetStoredValues();
  world_.mouse.ClearCalls();
  ASSERT_TRUE(ClickButton(Main().btnOK));
  const auto stored = StoredInOrder();
  ASSERT_EQ(stored.size(), 10u);
  EXPECT_EQ(stored.front(), (std::pair<std::string, std::string>{"SwapMouseButtons", "0"}));
  EXPECT_EQ(stored[6], (std::pair<std::string, std::string>{"ScrollLine", "3"}));
  EXPECT_TRUE(world_.mouse.Calls().empty()) << "saving calls no system setter";
  EXPECT_TRUE(world_.windowing.messageBoxes.empty());
  EXPECT_FALSE(Window().IsWindowVisible());
  EXPECT_TRUE(Window().IsIconic());
}

}  // namespace
