// The remapping decision on its own: every message, mouseData value and combo
// text, the hook code, and how releases follow their presses.
#include "remap/ButtonDispatch.h"

#include <gtest/gtest.h>

#include "remap/RemapEngine.h"

#include <string>
#include <vector>

#include "platform/Input.h"
#include "platform/Windowing.h"

namespace {

using remap::ButtonMemory;
using remap::Choices;
using remap::Decide;
using remap::Decision;
using remap::KeyStroke;
using remap::Program;

constexpr win::DWORD kX1 = 0x10000;
constexpr win::DWORD kX2 = 0x20000;
constexpr KeyStroke kBackDown{0xA6, false};
constexpr KeyStroke kBackUp{0xA6, true};
constexpr KeyStroke kForwardDown{0xA7, false};
constexpr KeyStroke kForwardUp{0xA7, true};

// Texts with an action and near misses that must have none.
const std::vector<std::string> kSideTexts = {"Backward", "Forward",   "",          "No use",
                                             "backward", "FORWARD",   "Backward ", " Forward",
                                             "Back",     "Forwarded", "Excel"};
const std::vector<std::string> kWheelTexts = {
    "No use",   "IExplorer",    "File Manager",  "Excel",  "",      "iexplorer",
    "Explorer", "File manager", "File Manager ", " Excel", "excel", "Backward"};
const std::vector<win::DWORD> kMouseData = {0,          kX1,        kX2,      0x30000, 0x10001,
                                            0x20000001, 0xFFFF0000, 0x780000, 1,       2};

std::string Describe(int nCode, win::WPARAM message, win::DWORD mouseData, const Choices& c) {
  return "nCode " + std::to_string(nCode) + " message " + std::to_string(message) + " mouseData " +
         std::to_string(mouseData) + " texts \"" + std::string(c.WheelButton) + "\" \"" +
         std::string(c.XButton1) + "\" \"" + std::string(c.XButton2) + "\"";
}

TEST(ButtonDecision, SideButtonsAndTheWheelButton) {
  constexpr win::WPARAM XD = win::WM_XBUTTONDOWN, XU = win::WM_XBUTTONUP;
  constexpr win::WPARAM MD = win::WM_MBUTTONDOWN, MU = win::WM_MBUTTONUP;
  const ButtonMemory none{}, wheel{{0, 0}, true};
  const ButtonMemory x1Back{{0xA6, 0}, false}, x1Fwd{{0xA7, 0}, false};
  const ButtonMemory x2Back{{0, 0xA6}, false}, x2Fwd{{0, 0xA7}, false};
  struct Row {
    const char* what;
    win::WPARAM message;
    win::DWORD mouseData;
    Choices choices;  // wheel, side 1, side 2
    ButtonMemory before;
    Decision decision;  // consume, keys, launch
    ButtonMemory after;
  };
  // clang-format off
  const Row rows[] = {
    {"button 1 Backward",          XD, kX1,     {"No use", "Backward", "Forward"},  none,   {true, {kBackDown}, {}},    x1Back},
    {"button 1 Forward",           XD, kX1,     {"No use", "Forward", "Backward"},  none,   {true, {kForwardDown}, {}}, x1Fwd},
    {"button 2 reads its own box", XD, kX2,     {"No use", "Forward", "Backward"},  none,   {true, {kBackDown}, {}},    x2Back},
    {"button 2 Forward",           XD, kX2,     {"Excel", "Backward", "Forward"},   none,   {true, {kForwardDown}, {}}, x2Fwd},
    {"a near miss sends no key",   XD, kX1,     {"", "backward", "Forward"},        none,   {true, {}, {}},             none},
    {"no side button named",       XD, 0x30000, {"", "Backward", "Backward"},       none,   {true, {}, {}},             none},
    {"the whole mouseData counts", XD, 0x10001, {"", "Backward", "Backward"},       none,   {true, {}, {}},             none},
    {"release: the pressed key",   XU, kX1,     {"No use", "Forward", "Forward"},   x1Back, {true, {kBackUp}, {}},      none},
    {"release without a press",    XU, kX1,     {"No use", "Backward", "Forward"},  none,   {true, {}, {}},             none},
    {"release of the other button",XU, kX2,     {"No use", "Backward", "Backward"}, x1Back, {true, {}, {}},             x1Back},
    {"release naming no button",   XU, 0x10001, {"No use", "Backward", "Forward"},  x1Back, {true, {}, {}},             x1Back},
    {"press after a lost release", XD, kX1,     {"No use", "Forward", "Forward"},   x1Back, {true, {kBackUp, kForwardDown}, {}}, x1Fwd},
    {"the same key pressed again", XD, kX1,     {"No use", "Backward", "Forward"},  x1Back, {true, {kBackUp, kBackDown}, {}}, x1Back},
    {"a key the other one holds",  XD, kX2,     {"No use", "Backward", "Backward"}, x1Back, {true, {kBackUp, kBackDown}, {}}, {{0xA6, 0xA6}, false}},
    {"release, the other holds it",XU, kX1,     {"No use", "Backward", "Backward"}, {{0xA6, 0xA6}, false}, {true, {}, {}}, x2Back},
    {"lost release, no action now",XD, kX1,     {"No use", "No use", "Forward"},    x1Back, {true, {kBackUp}, {}},      none},
    {"wheel IExplorer",            MD, 0,       {"IExplorer", "", ""},              none,   {true, {}, Program::IExplorer},   wheel},
    {"wheel File Manager",         MD, 0,       {"File Manager", "", ""},           none,   {true, {}, Program::FileManager}, wheel},
    {"wheel Excel",                MD, 0,       {"Excel", "", ""},                  none,   {true, {}, Program::Excel},       wheel},
    {"wheel No use",               MD, 0,       {"No use", "Backward", "Forward"},  wheel,  {false, {}, {}},            none},
    {"wheel, a near miss",         MD, 0,       {"File manager", "", ""},           none,   {false, {}, {}},            none},
    {"wheel release, press taken", MU, 0,       {"No use", "", ""},                 wheel,  {true, {}, {}},             none},
    {"wheel release, press passed",MU, 0,       {"Excel", "", ""},                  none,   {false, {}, {}},            none},
  };
  // clang-format on
  for (const Row& row : rows) {
    ButtonMemory memory = row.before;
    const Decision decision = Decide(0, row.message, row.mouseData, row.choices, memory);
    EXPECT_EQ(decision.consume, row.decision.consume) << row.what;
    EXPECT_EQ(decision.keys, row.decision.keys) << row.what;
    EXPECT_EQ(decision.launch, row.decision.launch) << row.what;
    EXPECT_EQ(memory, row.after) << row.what;
  }
}

TEST(ButtonDecision, SideButtonEventsAreConsumedWhateverTheyCarry) {
  for (const win::WPARAM message : {win::WM_XBUTTONDOWN, win::WM_XBUTTONUP}) {
    for (const win::DWORD mouseData : kMouseData) {
      for (const std::string& text : kSideTexts) {
        const Choices choices{"Excel", text, text};
        ButtonMemory memory{};
        const Decision decision = Decide(0, message, mouseData, choices, memory);
        const std::string what = Describe(0, message, mouseData, choices);
        EXPECT_TRUE(decision.consume) << what;
        EXPECT_FALSE(decision.launch) << what;
        const bool keyed = message == win::WM_XBUTTONDOWN &&
                           (mouseData == kX1 || mouseData == kX2) &&
                           (text == "Backward" || text == "Forward");
        EXPECT_EQ(decision.keys.size(), keyed ? 1u : 0u) << what;
      }
    }
  }
}

TEST(ButtonDecision, OtherMessagesPassUntouched) {
  const win::WPARAM messages[] = {
      win::WM_MOUSEMOVE,         win::WM_LBUTTONDOWN,        win::WM_LBUTTONUP,
      win::WM_LBUTTONDBLCLK,     win::WM_RBUTTONDOWN,        win::WM_RBUTTONUP,
      0x0206 /* right double */, 0x0209 /* middle double */, win::WM_MOUSEWHEEL,
      0x020D /* side double */,  win::WM_MOUSEHWHEEL,        0};
  const ButtonMemory busy{{0xA6, 0xA7}, true};
  for (const win::WPARAM message : messages) {
    for (const win::DWORD mouseData : kMouseData) {
      for (const std::string& wheel : kWheelTexts) {
        for (const std::string& side : kSideTexts) {
          const Choices choices{wheel, side, side};
          ButtonMemory memory = busy;
          const Decision decision = Decide(0, message, mouseData, choices, memory);
          const std::string what = Describe(0, message, mouseData, choices);
          EXPECT_EQ(decision, Decision{}) << what;
          EXPECT_EQ(memory, busy) << what;
        }
      }
    }
  }
}

TEST(ButtonDecision, ANegativeHookCodePassesEverythingOn) {
  const ButtonMemory busy{{0xA6, 0xA7}, true};
  for (const int nCode : {-1, -2, -1000}) {
    for (const win::WPARAM message : {win::WM_XBUTTONDOWN, win::WM_XBUTTONUP, win::WM_MBUTTONDOWN,
                                      win::WM_MBUTTONUP, win::WM_MOUSEMOVE}) {
      for (const win::DWORD mouseData : {kX1, kX2}) {
        const Choices choices{"Excel", "Backward", "Forward"};
        ButtonMemory memory = busy;
        const Decision decision = Decide(nCode, message, mouseData, choices, memory);
        EXPECT_EQ(decision, Decision{}) << Describe(nCode, message, mouseData, choices);
        EXPECT_EQ(memory, busy) << Describe(nCode, message, mouseData, choices);
      }
    }
  }
}

// The hook hands on what the engine's quick test lets pass without asking the
// decision: that must be only what the decision would pass on untouched.
TEST(ButtonDecision, TheQuickTestLetsPassOnlyWhatTheDecisionLeavesAlone) {
  const ButtonMemory busy{{0xA6, 0xA7}, true};
  const Choices choices{"Excel", "Backward", "Forward"};
  int skipped = 0;
  for (const int nCode : {-2, -1, 0, 1}) {
    for (win::WPARAM message = 0; message < 0x400; ++message) {
      if (!remap::RemapEngine::PassesUntouched(nCode, message)) continue;
      ++skipped;
      for (const win::DWORD mouseData : kMouseData) {
        ButtonMemory memory = busy;
        EXPECT_EQ(Decide(nCode, message, mouseData, choices, memory), Decision{})
            << Describe(nCode, message, mouseData, choices);
        EXPECT_EQ(memory, busy) << Describe(nCode, message, mouseData, choices);
      }
    }
  }
  // Only the four button messages with a hook code of 0 or more are asked.
  EXPECT_EQ(skipped, 4 * 0x400 - 2 * 4);
  EXPECT_TRUE(remap::RemapEngine::PassesUntouched(0, win::WM_MOUSEMOVE));
  EXPECT_TRUE(remap::RemapEngine::PassesUntouched(0, ~win::WPARAM{0}));
}

// Runs events through the decision as the hook would, the combo texts
// changing in between, and collects what it sends and lets through.
class Session {
 public:
  Choices choices{"No use", "Backward", "Forward"};
  std::vector<KeyStroke> keys;
  std::vector<win::WPARAM> passed;
  std::vector<Program> launched;

  void Event(win::WPARAM message, win::DWORD mouseData = 0) {
    const Decision decision = Decide(0, message, mouseData, choices, memory_);
    keys.insert(keys.end(), decision.keys.begin(), decision.keys.end());
    if (!decision.consume) passed.push_back(message);
    if (decision.launch) launched.push_back(*decision.launch);
  }

 private:
  ButtonMemory memory_;
};

TEST(ButtonDecision, AReleaseMatchesItsPressWhenTheChoiceChangesInBetween) {
  Session s;
  s.Event(win::WM_XBUTTONDOWN, kX1);
  s.choices.XButton1 = "Forward";
  s.Event(win::WM_XBUTTONUP, kX1);
  s.Event(win::WM_XBUTTONDOWN, kX1);
  s.Event(win::WM_XBUTTONUP, kX1);
  EXPECT_EQ(s.keys, (std::vector<KeyStroke>{kBackDown, kBackUp, kForwardDown, kForwardUp}));

  Session both;  // held together, released in the other order
  both.Event(win::WM_XBUTTONDOWN, kX1);
  both.Event(win::WM_XBUTTONDOWN, kX2);
  both.choices = {"No use", "No use", "Backward"};
  both.Event(win::WM_XBUTTONUP, kX1);
  both.Event(win::WM_XBUTTONUP, kX2);
  EXPECT_EQ(both.keys, (std::vector<KeyStroke>{kBackDown, kForwardDown, kBackUp, kForwardUp}));
  EXPECT_TRUE(both.passed.empty());
}

TEST(ButtonDecision, TheWheelReleaseGoesTheWayItsPressWent) {
  Session s;
  s.choices.WheelButton = "File Manager";
  s.Event(win::WM_MBUTTONDOWN);
  s.choices.WheelButton = "No use";  // chosen while the button is held
  s.Event(win::WM_MBUTTONUP);
  s.Event(win::WM_MBUTTONDOWN);
  s.choices.WheelButton = "Excel";
  s.Event(win::WM_MBUTTONUP);
  s.Event(win::WM_MBUTTONUP);  // a release without a press of its own
  EXPECT_EQ(s.launched, std::vector<Program>{Program::FileManager});
  EXPECT_EQ(s.passed,
            (std::vector<win::WPARAM>{win::WM_MBUTTONDOWN, win::WM_MBUTTONUP, win::WM_MBUTTONUP}));
}

TEST(ButtonDecision, ProgramFilesCarryTheirOwnQuotes) {
  EXPECT_STREQ(remap::ProgramFile(static_cast<win::WPARAM>(Program::IExplorer)),
               "\"iexplore.exe\"");
  EXPECT_STREQ(remap::ProgramFile(static_cast<win::WPARAM>(Program::FileManager)),
               "\"explorer.exe\"");
  EXPECT_STREQ(remap::ProgramFile(static_cast<win::WPARAM>(Program::Excel)), "\"excel.exe\"");
  EXPECT_EQ(std::string(remap::ProgramFile(1)).size(), 14u);
  EXPECT_EQ(std::string(remap::ProgramFile(3)).size(), 11u);
  EXPECT_EQ(remap::ProgramFile(0), nullptr);
  EXPECT_EQ(remap::ProgramFile(4), nullptr);
}

}  // namespace
