#include "conformance/Backend.h"
#include "platform/win32/Win32Input.h"
#include "platform/win32/Win32MouseParams.h"
#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include <vector>

namespace conformance {
namespace {

// One row of the system handle table (NtQuerySystemInformation class 16).
struct HandleEntry {
  USHORT processId;
  USHORT creatorBackTraceIndex;
  UCHAR objectType;
  UCHAR attributes;
  USHORT handle;
  PVOID object;
  ULONG grantedAccess;
};
struct HandleTable {
  ULONG count;
  HandleEntry entries[1];
};

// GetProcessHandleCount is a stub under Wine; the system handle table is not.
long CountOwnHandles() {
  using Query = LONG(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
  static const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  constexpr ULONG kSystemHandleInformation = 16;
  constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);
  std::vector<char> buffer(1 << 20);
  ULONG needed = 0;
  LONG status = 0;
  while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                         &needed)) == kInfoLengthMismatch) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return -1;
  const auto* table = reinterpret_cast<const HandleTable*>(buffer.data());
  const auto self = static_cast<USHORT>(::GetCurrentProcessId());
  long count = 0;
  for (ULONG i = 0; i < table->count; ++i) {
    if (table->entries[i].processId == self) ++count;
  }
  return count;
}

// Windows calls low-level hooks through the installing thread's message
// queue: serve it until it has been quiet for a while.
void ServeHookCalls() {
  DWORD quietSince = ::GetTickCount();
  while (::GetTickCount() - quietSince < 200) {
    MSG message{};
    if (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::DispatchMessageA(&message);
      quietSince = ::GetTickCount();
    } else {
      ::Sleep(5);
    }
  }
}

class Win32Backend final : public Backend {
 public:
  platform::Registry& Registry() override { return registry_; }
  platform::MouseParams& MouseParams() override { return mouse_; }
  platform::Input& Input() override { return input_; }
  win::HINSTANCE ProgramModule() override {
    return reinterpret_cast<win::HINSTANCE>(::GetModuleHandleA(nullptr));
  }
  void MouseEvent(win::UINT message, win::DWORD mouseData) override {
    DWORD flags = MOUSEEVENTF_MOVE;
    if (message == WM_XBUTTONDOWN) flags = MOUSEEVENTF_XDOWN;
    if (message == WM_XBUTTONUP) flags = MOUSEEVENTF_XUP;
    ::mouse_event(flags, 0, 0, HIWORD(mouseData), 0);
    ServeHookCalls();
  }
  long OpenHandles() override { return CountOwnHandles(); }
  bool IsWine() const override {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
  }
  bool IsSim() const override { return false; }

 private:
  win32::Win32Registry registry_;
  win32::Win32MouseParams mouse_;
  win32::Win32Input input_;
};

}  // namespace

std::unique_ptr<Backend> MakeBackend() { return std::make_unique<Win32Backend>(); }

}  // namespace conformance
