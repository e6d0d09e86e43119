// The low-level mouse hook chain as Windows runs it: newest hook first, each
// one deciding whether older hooks (and the applications) see the event.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conformance/ContractTest.h"
#include "platform/Input.h"
#include "platform/Services.h"
#include "platform/Windowing.h"

namespace conformance {
namespace {

// The hooks note what they see; each answers as the test tells it.
std::vector<std::string> seen;
win::LRESULT answerNewer = 0;
win::LRESULT answerOlder = 0;
win::LRESULT newerGotFromNext = -1;

win::LRESULT Newer(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  seen.push_back("newer " + std::to_string(wParam));
  if (nCode < 0 || answerNewer != 0) return answerNewer;
  newerGotFromNext = platform::Use<platform::Input>().CallNextHookEx(0, nCode, wParam, lParam);
  return newerGotFromNext;
}

win::LRESULT Older(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  const auto* record = reinterpret_cast<const win::MSLLHOOKSTRUCT*>(lParam);
  seen.push_back("older " + std::to_string(nCode) + " " + std::to_string(wParam) + " " +
                 std::to_string(record->mouseData >> 16));
  if (nCode < 0 || answerOlder != 0) return answerOlder;
  return platform::Use<platform::Input>().CallNextHookEx(0, nCode, wParam, lParam);
}

class InputContract : public ContractTest {
 protected:
  InputContract() {
    seen.clear();
    answerNewer = answerOlder = 0;
    newerGotFromNext = -1;
  }
  ~InputContract() override {
    for (const win::HHOOK hook : installed_) Platform().Input().UnhookWindowsHookEx(hook);
  }
  win::HHOOK Install(win::HOOKPROC procedure) {
    const win::HHOOK hook = Platform().Input().SetWindowsHookExA(win::WH_MOUSE_LL, procedure,
                                                                 Platform().ProgramModule(), 0);
    if (hook != 0) installed_.push_back(hook);
    return hook;
  }

 private:
  std::vector<win::HHOOK> installed_;
};

TEST_F(InputContract, TheNewestHookRunsFirstAndHearsTheOlderAnswer) {
  ASSERT_NE(Install(&Older), 0u);
  ASSERT_NE(Install(&Newer), 0u);
  answerOlder = 1;  // the side button goes no further than the older hook
  Platform().MouseEvent(win::WM_XBUTTONDOWN, 0x10000);
  Platform().MouseEvent(win::WM_XBUTTONUP, 0x10000);
  EXPECT_EQ(seen,
            (std::vector<std::string>{"newer 523", "older 0 523 1", "newer 524", "older 0 524 1"}));
  EXPECT_EQ(newerGotFromNext, 1);
}

TEST_F(InputContract, AConsumedEventReachesNoOlderHook) {
  ASSERT_NE(Install(&Older), 0u);
  ASSERT_NE(Install(&Newer), 0u);
  answerNewer = 1;
  Platform().MouseEvent(win::WM_MOUSEMOVE, 0);
  EXPECT_EQ(seen, std::vector<std::string>{"newer 512"});
}

TEST_F(InputContract, ARemovedHookRunsNoMore) {
  ASSERT_NE(Install(&Older), 0u);
  const win::HHOOK newer = Install(&Newer);
  ASSERT_NE(newer, 0u);
  EXPECT_NE(Platform().Input().UnhookWindowsHookEx(newer), win::FALSE);
  EXPECT_EQ(Platform().Input().UnhookWindowsHookEx(newer), win::FALSE);
  Platform().MouseEvent(win::WM_MOUSEMOVE, 0);
  EXPECT_EQ(seen, std::vector<std::string>{"older 0 512 0"});
}

TEST_F(InputContract, TheLastInputTimeMovesWithTheMouse) {
  win::LASTINPUTINFO unsized{0, 0};
  EXPECT_EQ(Platform().Input().GetLastInputInfo(&unsized), win::FALSE);
  win::LASTINPUTINFO before{sizeof(win::LASTINPUTINFO), 0};
  ASSERT_NE(Platform().Input().GetLastInputInfo(&before), win::FALSE);
  Platform().MouseEvent(win::WM_MOUSEMOVE, 0);
  win::LASTINPUTINFO after{sizeof(win::LASTINPUTINFO), 0};
  ASSERT_NE(Platform().Input().GetLastInputInfo(&after), win::FALSE);
  EXPECT_NE(after.dwTime, before.dwTime);
}

TEST_F(InputContract, AHookNeedsAProcedure) {
  EXPECT_EQ(Platform().Input().SetWindowsHookExA(win::WH_MOUSE_LL, nullptr,
                                                 Platform().ProgramModule(), 0),
            0u);
}

}  // namespace
}  // namespace conformance
