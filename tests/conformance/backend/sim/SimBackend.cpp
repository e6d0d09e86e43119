#include "conformance/Backend.h"
#include "platform/sim/SimPlatform.h"

namespace conformance {
namespace {

class SimBackend final : public Backend {
 public:
  platform::Registry& Registry() override { return platform_.registry; }
  platform::MouseParams& MouseParams() override { return platform_.mouse; }
  platform::Input& Input() override { return platform_.input; }
  platform::Threads& Threads() override { return platform_.threads; }
  platform::Foreground& Foreground() override { return platform_.foreground; }
  win::HINSTANCE ProgramModule() override { return 0x140000000; }
  void MouseEvent(win::UINT message, win::DWORD mouseData) override {
    platform_.input.SendMouseEvent(message, mouseData);
  }
  long OpenHandles() override { return platform_.registry.OpenKeyCount(); }
  platform::Gdi& Gdi() override { return platform_.gdi; }
  platform::Screen& Screen() override { return platform_.screen; }
  platform::Timers& Timers() override { return platform_.timers; }
  platform::Pointer& Pointer() override { return platform_.desktop; }
  platform::UserControls& UserControls() override { return platform_.desktop; }
  platform::Windowing& Windowing() override { return platform_.windowing; }
  win::HWND Window() override { return 0x100; }
  win::HWND MessageWindow() override {
    if (!form_) form_ = platform_.windowing.CreateForm({"messages", 320, 240, false});
    return form_->Handle();
  }
  int TakePosted(win::HWND window, win::UINT message) override {
    return platform_.windowing.TakePosted(window, message);
  }
  long GdiObjects() override { return platform_.gdi.LiveObjects() + platform_.gdi.LiveDCs(); }
  bool IsWine() const override { return false; }
  bool IsSim() const override { return true; }

 private:
  sim::SimPlatform platform_;
  std::unique_ptr<platform::FormWindow> form_;
};

}  // namespace

std::unique_ptr<Backend> MakeBackend() { return std::make_unique<SimBackend>(); }

}  // namespace conformance
