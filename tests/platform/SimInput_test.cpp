// The sim's hook chain behaves as Windows' low-level mouse hooks do: newest
// first, each deciding whether the rest of the chain and the applications see
// the event.
#include "platform/sim/SimInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Services.h"
#include "platform/Windowing.h"

namespace {

// The hooks of these tests note who ran; each answers as told.
std::vector<std::string> calls;
win::LRESULT answerA = 0;
win::LRESULT answerB = 0;
sim::SimInput* input = nullptr;

win::LRESULT HookA(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  calls.push_back("A");
  if (answerA != 0) return answerA;
  return input->CallNextHookEx(0, nCode, wParam, lParam);
}

win::LRESULT HookB(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  const auto* record = reinterpret_cast<const win::MSLLHOOKSTRUCT*>(lParam);
  calls.push_back("B " + std::to_string(nCode) + " " + std::to_string(wParam) + " " +
                  std::to_string(record->mouseData));
  if (answerB != 0) return answerB;
  return input->CallNextHookEx(0, nCode, wParam, lParam);
}

class SimHooks : public ::testing::Test {
 protected:
  SimHooks() {
    input = &sim_;
    calls.clear();
    answerA = answerB = 0;
  }
  sim::SimInput sim_;
};

TEST_F(SimHooks, NewestHookRunsFirstAndPassesOn) {
  const win::HHOOK b = sim_.SetWindowsHookExA(win::WH_MOUSE_LL, &HookB, 0x400000, 0);
  const win::HHOOK a = sim_.SetWindowsHookExA(win::WH_MOUSE_LL, &HookA, 0x400000, 0);
  ASSERT_NE(a, 0u);
  ASSERT_NE(b, 0u);
  EXPECT_NE(a, b);
  EXPECT_TRUE(sim_.SendMouseEvent(win::WM_XBUTTONDOWN, 0x10000));
  EXPECT_EQ(calls, (std::vector<std::string>{"A", "B 0 523 65536"}));
  EXPECT_EQ(sim_.received, (std::vector<sim::SimMouseEvent>{{win::WM_XBUTTONDOWN, 0x10000}}));
}

TEST_F(SimHooks, ANonZeroAnswerDropsTheEvent) {
  sim_.SetWindowsHookExA(win::WH_MOUSE_LL, &HookB, 0x400000, 0);
  sim_.SetWindowsHookExA(win::WH_MOUSE_LL, &HookA, 0x400000, 0);
  answerA = 1;
  EXPECT_FALSE(sim_.SendMouseEvent(win::WM_MBUTTONDOWN));
  EXPECT_EQ(calls, std::vector<std::string>{"A"}) << "older hooks never see a dropped event";
  EXPECT_TRUE(sim_.received.empty());

  calls.clear();
  answerA = 0;
  answerB = 7;  // an older hook's answer comes back through CallNextHookEx
  EXPECT_EQ(sim_.RunHooks(-1, win::WM_MOUSEMOVE, win::MSLLHOOKSTRUCT{}), 7);
  EXPECT_EQ(calls, (std::vector<std::string>{"A", "B -1 512 0"}));
}

TEST_F(SimHooks, RemovedHooksNoLongerRun) {
  const win::HHOOK b = sim_.SetWindowsHookExA(win::WH_MOUSE_LL, &HookB, 0x400000, 0);
  const win::HHOOK a = sim_.SetWindowsHookExA(win::WH_MOUSE_LL, &HookA, 0x400000, 0);
  EXPECT_EQ(sim_.UnhookWindowsHookEx(a), win::TRUE);
  EXPECT_EQ(sim_.UnhookWindowsHookEx(a), win::FALSE);
  EXPECT_FALSE(sim_.IsInstalled(a));
  EXPECT_TRUE(sim_.IsInstalled(b));
  EXPECT_TRUE(sim_.SendMouseEvent(win::WM_MOUSEMOVE));
  EXPECT_EQ(calls, std::vector<std::string>{"B 0 512 0"});
  EXPECT_EQ(sim_.UnhookWindowsHookEx(b), win::TRUE);
  EXPECT_TRUE(sim_.SendMouseEvent(win::WM_MOUSEMOVE));
  EXPECT_EQ(calls.size(), 1u);
  EXPECT_EQ(sim_.received.size(), 2u);
}

TEST_F(SimHooks, RefusedInstallations) {
  EXPECT_EQ(sim_.SetWindowsHookExA(win::WH_MOUSE_LL, nullptr, 0x400000, 0), 0u);
  EXPECT_EQ(sim_.SetWindowsHookExA(win::WH_MOUSE_LL, &HookA, 0x400000, 1234), 0u)
      << "a low-level hook is global only";
  EXPECT_EQ(sim_.SetWindowsHookExA(7 /* WH_MOUSE */, &HookA, 0x400000, 0), 0u);
  sim_.refuseHooks = true;
  EXPECT_EQ(sim_.SetWindowsHookExA(win::WH_MOUSE_LL, &HookA, 0x400000, 0), 0u);
  EXPECT_TRUE(sim_.Hooks().empty());
  EXPECT_EQ(sim_.CallNextHookEx(0, 0, win::WM_MOUSEMOVE, 0), 0) << "outside a hook call";
}

TEST_F(SimHooks, KeysAreRecordedInOrder) {
  sim_.keybd_event(0xA6, 0xA6, 0, 0);
  sim_.keybd_event(0xA6, 0xA6, win::KEYEVENTF_KEYUP, 5);
  EXPECT_EQ(sim_.keys, (std::vector<sim::SimKey>{{0xA6, 0xA6, 0, 0}, {0xA6, 0xA6, 2, 5}}));
}

}  // namespace
