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

class Win32Thread final : public platform::Thread {
 public:
  Win32Thread(HANDLE handle, DWORD id) : handle_(handle), id_(id) {}
  Win32Thread(const Win32Thread&) = delete;
  Win32Thread& operator=(const Win32Thread&) = delete;
  ~Win32Thread() override { ::CloseHandle(handle_); }
  win::DWORD Id() const override { return id_; }
  bool Join(win::DWORD milliseconds) override {
    return ::WaitForSingleObject(handle_, milliseconds) == WAIT_OBJECT_0;
  }

 private:
  HANDLE handle_;
  DWORD id_;
};

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

std::unique_ptr<platform::Thread> Win32Threads::StartThread(std::function<void()> work) {
  auto owned = std::make_unique<std::function<void()>>(std::move(work));
  DWORD id = 0;
  HANDLE thread = ::CreateThread(nullptr, 0, &Run, owned.get(), 0, &id);
  if (thread == nullptr) return nullptr;
  static_cast<void>(owned.release());  // the thread owns it now
  return std::make_unique<Win32Thread>(thread, id);
}

win::DWORD Win32Threads::GetCurrentThreadId() { return ::GetCurrentThreadId(); }

void Win32Threads::MakeMessageQueue() {
  MSG message;
  ::PeekMessageA(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);
}

win::BOOL Win32Threads::PostThreadMessageA(win::DWORD threadId, win::UINT message,
                                           win::WPARAM wParam, win::LPARAM lParam) {
  return ::PostThreadMessageA(threadId, message, wParam, lParam);
}

bool Win32Threads::GetMessageA(win::ThreadMessage* message) {
  MSG next;
  // Low-level hook calls are served inside GetMessageA; a window's message
  // (none is expected on such a thread) goes to its window.
  while (::GetMessageA(&next, nullptr, 0, 0) > 0) {
    if (next.hwnd != nullptr) {
      ::DispatchMessageA(&next);
      continue;
    }
    *message = {next.message, next.wParam, next.lParam};
    return true;
  }
  return false;
}

}  // namespace win32
