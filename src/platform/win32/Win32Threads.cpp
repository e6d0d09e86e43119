#include "platform/win32/Win32Threads.h"

#include <algorithm>
#include <memory>

#include <windows.h>
// objbase.h builds on windows.h.
#include <objbase.h>

namespace win32 {
namespace {

// How long the end of the program waits for a program start still in the
// shell's hands.
constexpr DWORD kEndWaitMilliseconds = 3000;

DWORD WINAPI Run(void* parameter) {
  const std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
  (*work)();
  return 0;
}

bool Ended(void* thread) { return ::WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }

}  // namespace

Win32Threads::~Win32Threads() {
  const DWORD start = ::GetTickCount();
  for (void* thread : running_) {
    const DWORD spent = ::GetTickCount() - start;
    ::WaitForSingleObject(thread, spent < kEndWaitMilliseconds ? kEndWaitMilliseconds - spent : 0);
    ::CloseHandle(thread);
  }
}

bool Win32Threads::CreateThread(std::function<void()> work) {
  // Forget the threads that have ended, so the list stays as short as the
  // starts in progress.
  running_.erase(std::remove_if(running_.begin(), running_.end(),
                                [](void* thread) {
                                  if (!Ended(thread)) return false;
                                  ::CloseHandle(thread);
                                  return true;
                                }),
                 running_.end());
  auto owned = std::make_unique<std::function<void()>>(std::move(work));
  HANDLE thread = ::CreateThread(nullptr, 0, &Run, owned.get(), 0, nullptr);
  if (thread == nullptr) return false;
  static_cast<void>(owned.release());  // the thread owns it now
  running_.push_back(thread);
  return true;
}

win::HRESULT Win32Threads::CoInitializeEx(win::DWORD coInit) {
  return ::CoInitializeEx(nullptr, coInit);
}

void Win32Threads::CoUninitialize() { ::CoUninitialize(); }

}  // namespace win32
