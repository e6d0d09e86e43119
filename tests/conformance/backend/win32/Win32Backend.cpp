#include "conformance/Backend.h"
#include "platform/win32/Win32MessageLoop.h"
#include "platform/win32/Win32Platform.h"

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

// GetGuiResources is a stub under Wine (0, ERROR_CALL_NOT_IMPLEMENTED). Wine
// accepts a GDI handle given by its table index alone, so probing the indexes
// counts the live objects instead. Wine hands out the lowest free entries, so
// a long run of unused ones marks the end of the used part of the table.
long CountGdiObjects() {
  ::SetLastError(0);
  const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported != 0 || ::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return reported;
  constexpr UINT_PTR kEndOfUse = 4096;
  long count = 0;
  UINT_PTR unused = 0;
  for (UINT_PTR index = 1; index < 0x10000 && unused < kEndOfUse; ++index) {
    if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) {
      ++count;
      unused = 0;
    } else {
      ++unused;
    }
  }
  return count;
}

class Win32Backend final : public Backend {
 public:
  platform::Registry& Registry() override { return platform_.registry; }
  platform::MouseParams& MouseParams() override { return platform_.mouse; }
  platform::Input& Input() override { return platform_.input; }
  platform::Threads& Threads() override { return platform_.threads; }
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
  platform::Gdi& Gdi() override { return platform_.gdi; }
  platform::Screen& Screen() override { return platform_.screen; }
  platform::Timers& Timers() override { return platform_.timers; }
  platform::Pointer& Pointer() override { return platform_.pointer; }
  platform::Foreground& Foreground() override { return platform_.foreground; }
  platform::UserControls& UserControls() override { return platform_.userControls; }
  platform::Windowing& Windowing() override { return platform_.windowing; }
  // One hidden window for the whole run: under Wine each top-level window
  // made and destroyed costs about two seconds.
  win::HWND Window() override {
    static HWND window = ::CreateWindowExA(0, "STATIC", "conformance", WS_POPUP, 0, 0, 320, 240,
                                           nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    return reinterpret_cast<win::HWND>(window);
  }
  win::HWND MessageWindow() override { return Window(); }
  int TakePosted(win::HWND window, win::UINT message) override {
    int count = 0;
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 300) {
      MSG posted{};
      if (::PeekMessageA(&posted, reinterpret_cast<HWND>(window), message, message, PM_REMOVE)) {
        ++count;
      } else {
        // As the program's loop waits: a watched key's change is posted here.
        (void)win32::WaitForMessage(platform_.registry, 5);
      }
    }
    return count;
  }
  long GdiObjects() override { return CountGdiObjects(); }
  bool IsWine() const override {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
  }
  bool IsSim() const override { return false; }

 private:
  win32::Win32Platform platform_;
};

}  // namespace

std::unique_ptr<Backend> MakeBackend() { return std::make_unique<Win32Backend>(); }

}  // namespace conformance
