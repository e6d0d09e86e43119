// Failures that leave the user without a function they expect leave one
// line in the debug output, and show the user nothing.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "support/FaultyRegistry.h"
#include "support/sim/ProgramFixture.h"

namespace {

using testing_support::ProgramTest;

class FailureLog : public ProgramTest {};

TEST_F(FailureLog, ALostFunctionLeavesOneLineAndNoMessage) {
  struct Case {
    const char* what;
    std::function<void(testing_support::SimWorld&)> fault;
    std::function<void(testing_support::ProgramTest&)> act;
    const char* line;  // empty: none
  };
  const auto none = [](auto&) {};
  const std::vector<Case> cases = {
      {"the hook refused", [](auto& world) { world.input.refuseHooks = true; }, none,
       "KV3050PSetup: the mouse hook was refused: the buttons are not remapped\n"},
      {"the tray icon refused at a tray start",
       [](auto& world) {
         world.process.commandLine = "KV3050PSetup.exe -TRAY";
         world.shell.refuseIcons = true;
       },
       none, "KV3050PSetup: the notification icon could not be added\n"},
      {"a start with nothing refused", none, none, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing_support::SimWorld world;
    c.fault(world);
    frmMain window;
    ASSERT_TRUE(window.Start());
    if (*c.line == '\0') {
      EXPECT_TRUE(world.debugLog.lines.empty());
    } else {
      EXPECT_EQ(world.debugLog.lines, std::vector<std::string>{c.line});
    }
    EXPECT_TRUE(world.windowing.messageBoxes.empty());
  }
}

TEST_F(FailureLog, ASettingThatCannotBeStoredLeavesOneLinePerValue) {
  ASSERT_TRUE(StartProgram());
  testing_support::FaultyRegistry readOnly(world_.registry);
  readOnly.setValueFailure = win::ERROR_ACCESS_DENIED;
  {
    platform::Install<platform::Registry> use(readOnly);
    // Apply stores the whole set; each value lost is one line.
    ASSERT_TRUE(ClickButton(Main().btnApply));
  }
  std::set<std::string> names;
  for (const std::string& line : world_.debugLog.lines) {
    const std::string head = "KV3050PSetup: the setting ", tail = " could not be stored\n";
    ASSERT_TRUE(line.starts_with(head) && line.ends_with(tail)) << line;
    names.insert(line.substr(head.size(), line.size() - head.size() - tail.size()));
  }
  EXPECT_EQ(names,
            (std::set<std::string>{"DoubleClickSpeed", "MouseSensitivity", "MouseSpeed",
                                   "MouseThreshold1", "MouseThreshold2", "ScrollLine",
                                   "SwapMouseButtons", "WheelButton", "XButton1", "XButton2"}));
  EXPECT_EQ(world_.debugLog.lines.size(), names.size());
}

}  // namespace
