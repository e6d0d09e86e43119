// Runs pointer moves through one hook procedure of the started program, the
// program's own ("hook") or one that only hands the event on ("bare"), and
// has callgrind count the instructions of those calls alone. Without
// valgrind it only runs them.
#include <valgrind/callgrind.h>

#include <cstdio>
#include <string_view>

#include "platform/Services.h"
#include "remap/modHooking.h"
#include "shell/frmMain.h"
#include "support/sim/SimWorld.h"

namespace {

constexpr int kCalls = 100000;

// The least a hook procedure can do.
win::LRESULT Bare(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  return platform::Use<platform::Input>().CallNextHookEx(modHooking::hMouseHook, nCode, wParam,
                                                         lParam);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view which = argc > 1 ? argv[1] : "";
  // Through a volatile pointer, so that neither call is inlined into the loop.
  win::HOOKPROC volatile procedure = which == "hook"   ? &modHooking::MouseHookProc
                                     : which == "bare" ? &Bare
                                                       : nullptr;
  if (procedure == nullptr) {
    (void)std::fprintf(stderr, "usage: %s hook|bare\n", argv[0]);
    return 2;
  }
  testing_support::SimWorld world;
  frmMain window;
  if (!window.Start()) return 2;
  const win::MSLLHOOKSTRUCT record{{640, 512}, 0, 0, 1000, 0};
  const auto lParam = reinterpret_cast<win::LPARAM>(&record);
  win::LRESULT sink = 0;
  for (int i = 0; i < 1000; ++i) sink += procedure(win::HC_ACTION, win::WM_MOUSEMOVE, lParam);
  CALLGRIND_TOGGLE_COLLECT;
  for (int i = 0; i < kCalls; ++i) sink += procedure(win::HC_ACTION, win::WM_MOUSEMOVE, lParam);
  CALLGRIND_TOGGLE_COLLECT;
  std::printf("%d calls of %s, result %ld\n", kCalls, argv[1], static_cast<long>(sink));
  return 0;
}
