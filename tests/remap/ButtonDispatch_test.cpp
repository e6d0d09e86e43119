// The remapping decision on its own: every message, mouseData value and combo
// text, the hook code, the context of a press, and how releases follow their
// presses.
#include "remap/ButtonDispatch.h"

#include <gtest/gtest.h>

#include "remap/RemapEngine.h"

#include <string>
#include <vector>

#include "platform/Input.h"
#include "platform/Windowing.h"

namespace {

using remap::ButtonMemory;
using remap::Context;
using remap::Decision;
using remap::KeyStroke;
using remap::Press;
using remap::Program;
using remap::RemapEngine;
using remap::Settings;

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

// The texts of cmbWButton, cmbXButton1 and cmbXButton2.
struct Texts {
  std::string WheelButton;
  std::string XButton1;
  std::string XButton2;
};

std::string Describe(int nCode, win::WPARAM message, win::DWORD mouseData, const Texts& t) {
  return "nCode " + std::to_string(nCode) + " message " + std::to_string(message) + " mouseData " +
         std::to_string(mouseData) + " texts \"" + t.WheelButton + "\" \"" + t.XButton1 + "\" \"" +
         t.XButton2 + "\"";
}

// One hooked message decided as the hook decides it, before a window in
// front that holds nothing.
Decision Decide(int nCode, win::WPARAM message, win::DWORD mouseData, const Texts& t,
                ButtonMemory& memory, const Context& context = {}) {
  const auto event = RemapEngine::EventOf(nCode, message, mouseData);
  if (!event) return {};
  return remap::Decide(*event, Settings::FromTexts(t.WheelButton, t.XButton1, t.XButton2), context,
                       memory);
}

// Memory by its parts: the key each side button holds, how each side press
// and the wheel press went.
constexpr Press N = Press::None, C = Press::Consumed, P = Press::Passed;
constexpr ButtonMemory M(std::uint8_t key1, std::uint8_t key2, Press side1 = N, Press side2 = N,
                         Press wheel = N) {
  return {{key1, key2}, {side1, side2}, wheel};
}

TEST(ButtonDecision, SideButtonsAndTheWheelButton) {
  constexpr win::WPARAM XD = win::WM_XBUTTONDOWN, XU = win::WM_XBUTTONUP;
  constexpr win::WPARAM MD = win::WM_MBUTTONDOWN, MU = win::WM_MBUTTONUP;
  const ButtonMemory none{}, wheel = M(0, 0, N, N, C), wheelPassed = M(0, 0, N, N, P);
  const ButtonMemory x1Back = M(0xA6, 0, C), x1Fwd = M(0xA7, 0, C), x1None = M(0, 0, C);
  const ButtonMemory x2Back = M(0, 0xA6, N, C), x2Fwd = M(0, 0xA7, N, C);
  struct Row {
    const char* what;
    win::WPARAM message;
    win::DWORD mouseData;
    Texts choices;  // wheel, side 1, side 2
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
    {"a near miss sends no key",   XD, kX1,     {"", "backward", "Forward"},        none,   {true, {}, {}},             x1None},
    {"no side button named",       XD, 0x30000, {"", "Backward", "Backward"},       none,   {true, {}, {}},             none},
    {"the whole mouseData counts", XD, 0x10001, {"", "Backward", "Backward"},       none,   {true, {}, {}},             none},
    {"release: the pressed key",   XU, kX1,     {"No use", "Forward", "Forward"},   x1Back, {true, {kBackUp}, {}},      none},
    {"release without a press",    XU, kX1,     {"No use", "Backward", "Forward"},  none,   {true, {}, {}},             none},
    {"release of the other button",XU, kX2,     {"No use", "Backward", "Backward"}, x1Back, {true, {}, {}},             x1Back},
    {"release naming no button",   XU, 0x10001, {"No use", "Backward", "Forward"},  x1Back, {true, {}, {}},             x1Back},
    {"release of a passed press",  XU, kX1,     {"No use", "Backward", "Forward"},  M(0, 0, P), {false, {}, {}},        none},
    {"press after a lost release", XD, kX1,     {"No use", "Forward", "Forward"},   x1Back, {true, {kBackUp, kForwardDown}, {}}, x1Fwd},
    {"the same key pressed again", XD, kX1,     {"No use", "Backward", "Forward"},  x1Back, {true, {kBackUp, kBackDown}, {}}, x1Back},
    {"a key the other one holds",  XD, kX2,     {"No use", "Backward", "Backward"}, x1Back, {true, {kBackUp, kBackDown}, {}}, M(0xA6, 0xA6, C, C)},
    {"release, the other holds it",XU, kX1,     {"No use", "Backward", "Backward"}, M(0xA6, 0xA6, C, C), {true, {}, {}}, x2Back},
    {"lost release, no action now",XD, kX1,     {"No use", "No use", "Forward"},    x1Back, {true, {kBackUp}, {}},      x1None},
    {"wheel IExplorer",            MD, 0,       {"IExplorer", "", ""},              none,   {true, {}, Program::IExplorer},   wheel},
    {"wheel File Manager",         MD, 0,       {"File Manager", "", ""},           none,   {true, {}, Program::FileManager}, wheel},
    {"wheel Excel",                MD, 0,       {"Excel", "", ""},                  none,   {true, {}, Program::Excel},       wheel},
    {"wheel No use",               MD, 0,       {"No use", "Backward", "Forward"},  wheel,  {false, {}, {}},            wheelPassed},
    {"wheel, a near miss",         MD, 0,       {"File manager", "", ""},           none,   {false, {}, {}},            wheelPassed},
    {"wheel release, press taken", MU, 0,       {"No use", "", ""},                 wheel,  {true, {}, {}},             none},
    {"wheel release, press passed",MU, 0,       {"Excel", "", ""},                  wheelPassed, {false, {}, {}},       none},
    {"wheel release without press",MU, 0,       {"Excel", "", ""},                  none,   {false, {}, {}},            none},
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
        const Texts choices{"Excel", text, text};
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

TEST(ButtonDecision, OtherMessagesAndNegativeHookCodesAreNoButtonEvents) {
  const win::WPARAM messages[] = {
      win::WM_MOUSEMOVE,         win::WM_LBUTTONDOWN,        win::WM_LBUTTONUP,
      win::WM_LBUTTONDBLCLK,     win::WM_RBUTTONDOWN,        win::WM_RBUTTONUP,
      0x0206 /* right double */, 0x0209 /* middle double */, win::WM_MOUSEWHEEL,
      0x020D /* side double */,  win::WM_MOUSEHWHEEL,        0};
  for (const win::DWORD mouseData : kMouseData) {
    for (const win::WPARAM message : messages) {
      EXPECT_FALSE(RemapEngine::EventOf(0, message, mouseData)) << message << " " << mouseData;
    }
    for (const int nCode : {-1, -2, -1000}) {
      for (const win::WPARAM message :
           {win::WM_XBUTTONDOWN, win::WM_XBUTTONUP, win::WM_MBUTTONDOWN, win::WM_MBUTTONUP}) {
        EXPECT_FALSE(RemapEngine::EventOf(nCode, message, mouseData)) << nCode << " " << message;
      }
    }
  }
}

// The hook hands on what the engine's quick test lets pass without asking the
// decision: exactly what is no button event.
TEST(ButtonDecision, TheQuickTestLetsPassExactlyWhatIsNoButtonEvent) {
  int skipped = 0;
  for (const int nCode : {-2, -1, 0, 1}) {
    for (win::WPARAM message = 0; message < 0x400; ++message) {
      const bool untouched = RemapEngine::PassesUntouched(nCode, message);
      skipped += untouched ? 1 : 0;
      for (const win::DWORD mouseData : kMouseData) {
        EXPECT_EQ(untouched, !RemapEngine::EventOf(nCode, message, mouseData))
            << nCode << " " << message << " " << mouseData;
      }
    }
  }
  // Only the four button messages with a hook code of 0 or more are asked.
  EXPECT_EQ(skipped, 4 * 0x400 - 2 * 4);
  EXPECT_TRUE(RemapEngine::PassesUntouched(0, win::WM_MOUSEMOVE));
  EXPECT_TRUE(RemapEngine::PassesUntouched(0, ~win::WPARAM{0}));
}

// Runs events through the decision as the hook would, the combo texts
// changing in between, and collects what it sends and lets through.
class Session {
 public:
  Texts choices{"No use", "Backward", "Forward"};
  Context context;
  std::vector<KeyStroke> keys;
  std::vector<win::WPARAM> passed;
  std::vector<Program> launched;

  void Event(win::WPARAM message, win::DWORD mouseData = 0) {
    const Decision decision = Decide(0, message, mouseData, choices, memory_, context);
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
  EXPECT_EQ(choice::ProgramFile(Program::IExplorer), "\"iexplore.exe\"");
  EXPECT_EQ(choice::ProgramFile(Program::FileManager), "\"explorer.exe\"");
  EXPECT_EQ(choice::ProgramFile(Program::Excel), "\"excel.exe\"");
  EXPECT_EQ(choice::ProgramFile(Program::IExplorer).size(), 14u);
  EXPECT_EQ(choice::ProgramFile(Program::Excel).size(), 11u);
  EXPECT_TRUE(choice::ProgramFile(Program::None).empty());
  EXPECT_TRUE(choice::ProgramFile(static_cast<Program>(4)).empty());
}

}  // namespace
