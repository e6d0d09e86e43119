#include "conformance/Backend.h"
#include "platform/sim/SimGdi.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimMouseParams.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimScreen.h"
#include "platform/sim/SimThreads.h"
#include "platform/sim/SimTimers.h"
#include "platform/sim/SimUserControls.h"

namespace conformance {
namespace {

class SimBackend final : public Backend {
 public:
  platform::Registry& Registry() override { return registry_; }
  platform::MouseParams& MouseParams() override { return mouse_; }
  platform::Input& Input() override { return input_; }
  platform::Threads& Threads() override { return threads_; }
  win::HINSTANCE ProgramModule() override { return 0x140000000; }
  void MouseEvent(win::UINT message, win::DWORD mouseData) override {
    input_.SendMouseEvent(message, mouseData);
  }
  long OpenHandles() override { return registry_.OpenKeyCount(); }
  platform::Gdi& Gdi() override { return gdi_; }
  platform::Screen& Screen() override { return screen_; }
  platform::Timers& Timers() override { return timers_; }
  platform::Pointer& Pointer() override { return desktop_; }
  platform::UserControls& UserControls() override { return desktop_; }
  win::HWND Window() override { return 0x100; }
  long GdiObjects() override { return gdi_.LiveObjects() + gdi_.LiveDCs(); }
  bool IsWine() const override { return false; }
  bool IsSim() const override { return true; }

 private:
  sim::SimRegistry registry_;
  sim::SimMouseParams mouse_;
  sim::SimInput input_;
  sim::SimThreads threads_;
  sim::SimGdi gdi_;
  sim::SimScreen screen_;
  sim::SimTimers timers_;
  sim::SimDesktop desktop_{gdi_};
};

}  // namespace

std::unique_ptr<Backend> MakeBackend() { return std::make_unique<SimBackend>(); }

}  // namespace conformance
