// Threads of the process and COM's rules for each one's apartment, which the
// shell's workers rely on; and a lasting thread's message loop, which serves
// the low-level hook that thread installed and the messages posted to it.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "conformance/ContractTest.h"
#include "platform/Input.h"
#include "platform/Services.h"
#include "platform/Threads.h"
#include "platform/Windowing.h"

namespace conformance {
namespace {

class ThreadsContract : public ContractTest {};

TEST_F(ThreadsContract, EachNewThreadJoinsComOnceInOneModel) {
  platform::Threads& threads = Platform().Threads();
  // Shared with the thread, which may still be returning from set_value when
  // the test goes on.
  const auto answers = std::make_shared<std::promise<std::vector<win::HRESULT>>>();
  const auto where = std::make_shared<std::promise<std::thread::id>>();
  std::future<std::vector<win::HRESULT>> answered = answers->get_future();
  std::future<std::thread::id> ran = where->get_future();
  ASSERT_TRUE(threads.CreateThread([&threads, answers, where] {
    where->set_value(std::this_thread::get_id());
    std::vector<win::HRESULT> got;
    const win::DWORD apartment = win::COINIT_APARTMENTTHREADED | win::COINIT_DISABLE_OLE1DDE;
    got.push_back(threads.CoInitializeEx(apartment));
    got.push_back(threads.CoInitializeEx(apartment));
    got.push_back(threads.CoInitializeEx(win::COINIT_MULTITHREADED));
    threads.CoUninitialize();
    threads.CoUninitialize();
    // Balanced: the thread has left COM and may join in the other model.
    got.push_back(threads.CoInitializeEx(win::COINIT_MULTITHREADED));
    threads.CoUninitialize();
    answers->set_value(got);
  }));
  EXPECT_NE(ran.get(), std::this_thread::get_id());
  EXPECT_EQ(answered.get(), (std::vector<win::HRESULT>{win::S_OK, win::S_FALSE,
                                                       win::RPC_E_CHANGED_MODE, win::S_OK}));
}

std::atomic<win::DWORD> hookRanOn{0};
win::LRESULT NotesItsThread(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  hookRanOn = platform::Use<platform::Threads>().GetCurrentThreadId();
  return platform::Use<platform::Input>().CallNextHookEx(0, nCode, wParam, lParam);
}

TEST_F(ThreadsContract, ALoopThreadServesItsHookAndItsMessagesAndEnds) {
  platform::Threads& threads = Platform().Threads();
  platform::Input& input = Platform().Input();
  constexpr win::UINT kNote = win::WM_APP + 5;
  constexpr win::UINT kEnd = win::WM_APP + 6;
  const win::HINSTANCE module = Platform().ProgramModule();
  hookRanOn = 0;
  const auto ready = std::make_shared<std::promise<win::DWORD>>();
  const auto ended = std::make_shared<std::promise<std::vector<win::WPARAM>>>();
  std::future<win::DWORD> started = ready->get_future();
  std::future<std::vector<win::WPARAM>> noted = ended->get_future();
  const std::unique_ptr<platform::Thread> thread =
      threads.StartThread([&threads, &input, module, ready, ended] {
        threads.MakeMessageQueue();
        const win::HHOOK hook =
            input.SetWindowsHookExA(win::WH_MOUSE_LL, &NotesItsThread, module, 0);
        ready->set_value(hook == 0 ? 0 : threads.GetCurrentThreadId());
        std::vector<win::WPARAM> got;
        win::ThreadMessage message{};
        while (threads.GetMessageA(&message) && message.message != kEnd) {
          if (message.message == kNote) got.push_back(message.wParam);
        }
        input.UnhookWindowsHookEx(hook);
        ended->set_value(got);
      });
  ASSERT_NE(thread, nullptr);
  const win::DWORD id = started.get();
  ASSERT_NE(id, 0u) << "the hook was installed";
  EXPECT_EQ(id, thread->Id());
  EXPECT_NE(id, threads.GetCurrentThreadId());
  EXPECT_FALSE(thread->Join(0)) << "it waits in its loop";

  Platform().MouseEvent(win::WM_MOUSEMOVE, 0);
  for (int i = 0; i < 100 && hookRanOn == 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(hookRanOn, id) << "the hook runs on the thread that installed it";

  for (const win::WPARAM value : {win::WPARAM{1}, win::WPARAM{2}}) {
    EXPECT_NE(threads.PostThreadMessageA(id, kNote, value, 0), win::FALSE);
  }
  EXPECT_NE(threads.PostThreadMessageA(id, kEnd, 0, 0), win::FALSE);
  EXPECT_TRUE(thread->Join(5000));
  EXPECT_EQ(noted.get(), (std::vector<win::WPARAM>{1, 2})) << "in the order posted";
  EXPECT_EQ(threads.PostThreadMessageA(id, kNote, 3, 0), win::FALSE) << "no thread, no queue";
}

}  // namespace
}  // namespace conformance
