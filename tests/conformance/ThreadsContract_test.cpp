// Threads of the process and COM's rules for each one's apartment, which the
// shell's workers rely on.
#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "conformance/ContractTest.h"
#include "platform/Threads.h"

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

}  // namespace
}  // namespace conformance
