#include "platform/win32/Win32Input.h"

#include <array>
#include <cstddef>
#include <utility>

namespace {
// Read before <windows.h> defines macros of the same names.
constexpr int kPortableMouseLL = win::WH_MOUSE_LL;
}  // namespace

#include <windows.h>

namespace win32 {
namespace {

// The portable record is the platform's own.
static_assert(kPortableMouseLL == WH_MOUSE_LL);
static_assert(sizeof(win::MSLLHOOKSTRUCT) == sizeof(::MSLLHOOKSTRUCT));
static_assert(offsetof(win::MSLLHOOKSTRUCT, pt) == offsetof(::MSLLHOOKSTRUCT, pt));
static_assert(offsetof(win::MSLLHOOKSTRUCT, mouseData) == offsetof(::MSLLHOOKSTRUCT, mouseData));
static_assert(offsetof(win::MSLLHOOKSTRUCT, flags) == offsetof(::MSLLHOOKSTRUCT, flags));
static_assert(offsetof(win::MSLLHOOKSTRUCT, time) == offsetof(::MSLLHOOKSTRUCT, time));
static_assert(offsetof(win::MSLLHOOKSTRUCT, dwExtraInfo) ==
              offsetof(::MSLLHOOKSTRUCT, dwExtraInfo));

// Windows calls a hook procedure with its own calling convention and knows
// nothing of the portable one, so each installed hook gets a trampoline of its
// own that forwards to the portable procedure kept in its slot. The slots are
// process-wide, as hooks are.
struct Slot {
  HHOOK hook = nullptr;
  win::HOOKPROC procedure = nullptr;
};
std::array<Slot, Win32Input::kMaxHooks> slots;

template <std::size_t Index>
LRESULT CALLBACK Trampoline(int nCode, WPARAM wParam, LPARAM lParam) {
  const win::HOOKPROC procedure = slots[Index].procedure;
  if (procedure == nullptr) return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
  return procedure(nCode, wParam, lParam);
}

template <std::size_t... Index>
constexpr std::array<HOOKPROC, sizeof...(Index)> MakeTrampolines(std::index_sequence<Index...>) {
  return {&Trampoline<Index>...};
}
constexpr auto trampolines = MakeTrampolines(std::make_index_sequence<Win32Input::kMaxHooks>());

}  // namespace

win::HHOOK Win32Input::SetWindowsHookExA(int idHook, win::HOOKPROC procedure, win::HINSTANCE module,
                                         win::DWORD threadId) {
  if (procedure == nullptr) {
    ::SetLastError(ERROR_INVALID_FILTER_PROC);
    return 0;
  }
  for (std::size_t index = 0; index < slots.size(); ++index) {
    if (slots[index].procedure != nullptr) continue;
    // The slot is filled first: Windows may call the hook before this returns
    // when the installing thread pumps messages meanwhile.
    slots[index].procedure = procedure;
    HHOOK hook = ::SetWindowsHookExA(idHook, trampolines[index],
                                     reinterpret_cast<HINSTANCE>(module), threadId);
    if (hook == nullptr) {
      slots[index].procedure = nullptr;
      return 0;
    }
    slots[index].hook = hook;
    return reinterpret_cast<win::HHOOK>(hook);
  }
  ::SetLastError(ERROR_HOOK_NOT_INSTALLED);
  return 0;
}

win::LRESULT Win32Input::CallNextHookEx(win::HHOOK hook, int nCode, win::WPARAM wParam,
                                        win::LPARAM lParam) {
  return ::CallNextHookEx(reinterpret_cast<HHOOK>(hook), nCode, wParam, lParam);
}

win::BOOL Win32Input::UnhookWindowsHookEx(win::HHOOK hook) {
  const BOOL removed = ::UnhookWindowsHookEx(reinterpret_cast<HHOOK>(hook));
  if (removed) {
    for (Slot& slot : slots) {
      if (slot.hook == reinterpret_cast<HHOOK>(hook)) slot = Slot{};
    }
  }
  return removed;
}

void Win32Input::keybd_event(win::BYTE bVk, win::BYTE bScan, win::DWORD dwFlags,
                             win::ULONG_PTR dwExtraInfo) {
  ::keybd_event(bVk, bScan, dwFlags, dwExtraInfo);
}

}  // namespace win32
