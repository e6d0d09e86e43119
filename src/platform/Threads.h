// kernel32 threads and the COM apartment of each: the few short-lived workers
// the program starts so that the UI thread, which every mouse event of the
// desktop waits for, never waits itself.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/WinTypes.h"

namespace win {

using HRESULT = std::int32_t;

constexpr HRESULT S_OK = 0;
// Already initialised on this thread in the same model: balanced all the same.
constexpr HRESULT S_FALSE = 1;
// Already initialised on this thread in the other model.
constexpr HRESULT RPC_E_CHANGED_MODE = static_cast<HRESULT>(0x80010106);

constexpr bool SUCCEEDED(HRESULT result) { return result >= 0; }

// CoInitializeEx models and options.
constexpr DWORD COINIT_MULTITHREADED = 0x0;
constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;
constexpr DWORD COINIT_DISABLE_OLE1DDE = 0x4;

}  // namespace win

namespace platform {

class Threads {
 public:
  virtual ~Threads() = default;
  // Runs work on a new thread of the process, which ends when work returns
  // (CreateThread). False when no thread could be made: work has not run and
  // never will.
  [[nodiscard]] virtual bool CreateThread(std::function<void()> work) = 0;
  // Joins the calling thread to COM in the given model. Every call that
  // succeeds (S_OK or S_FALSE) is balanced by one CoUninitialize on the same
  // thread; a call that fails is not.
  [[nodiscard]] virtual win::HRESULT CoInitializeEx(win::DWORD coInit) = 0;
  virtual void CoUninitialize() = 0;
};

}  // namespace platform
