// Threads over kernel32 and their COM apartments over ole32.
#pragma once

#include <vector>

#include "platform/Ownership.h"
#include "platform/Threads.h"

namespace win32 {

class Win32Threads final : public platform::Threads {
 public:
  Win32Threads() = default;
  Win32Threads(const Win32Threads&) = delete;
  Win32Threads& operator=(const Win32Threads&) = delete;
  // Gives the threads still running a moment to end (they may use services
  // that go away with this one), then lets the process end them.
  ~Win32Threads() override;

  bool CreateThread(std::function<void()> work) override;
  win::HRESULT CoInitializeEx(win::DWORD coInit) override;
  void CoUninitialize() override;
  std::unique_ptr<platform::Thread> StartThread(std::function<void()> work) override;
  win::DWORD GetCurrentThreadId() override;
  void MakeMessageQueue() override;
  win::BOOL PostThreadMessageA(win::DWORD threadId, win::UINT message, win::WPARAM wParam,
                               win::LPARAM lParam) override;
  bool GetMessageA(win::ThreadMessage* message) override;

 private:
  struct HandleCloser {
    void operator()(void* handle) const;
  };
  // Handles of the threads made and not yet seen ended. Only the thread that
  // makes them touches this.
  std::vector<platform::UniqueHandle<void*, HandleCloser>> running_;
};

}  // namespace win32
