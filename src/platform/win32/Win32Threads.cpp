#include "platform/win32/Win32Threads.h"

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

}  // namespace

void Win32Threads::HandleCloser::operator()(void* handle) const { ::CloseHandle(handle); }

Win32Threads::~Win32Threads() {
  const DWORD start = ::GetTickCount();
  for (const auto& thread : running_) {
    const DWORD spent = ::GetTickCount() - start;
    ::WaitForSingleObject(thread.get(),
                          spent < kEndWaitMilliseconds ? kEndWaitMilliseconds - spent : 0);
  }
}

bool Win32Threads::CreateThread(std::function<void()> work) {
  // Forget the threads that have ended, so the list stays as short as the
  // starts in progress.
  std::erase_if(running_, [](const auto& thread) {
    return ::WaitForSingleObject(thread.get(), 0) == WAIT_OBJECT_0;
  });
  auto owned = std::make_unique<std::function<void()>>(std::move(work));
  HANDLE thread = ::CreateThread(nullptr, 0, &Run, owned.get(), 0, nullptr);
  if (thread == nullptr) return false;
  static_cast<void>(owned.release());  // the thread owns it now
  running_.emplace_back(thread);
  return true;
}

win::HRESULT Win32Threads::CoInitializeEx(win::DWORD coInit) {
  return ::CoInitializeEx(nullptr, coInit);
}

void Win32Threads::CoUninitialize() { ::CoUninitialize(); }

}  // namespace win32
