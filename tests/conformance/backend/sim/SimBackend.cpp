#include "conformance/Backend.h"
#include "platform/sim/SimInput.h"
#include "platform/sim/SimMouseParams.h"
#include "platform/sim/SimRegistry.h"

namespace conformance {
namespace {

class SimBackend final : public Backend {
 public:
  platform::Registry& Registry() override { return registry_; }
  platform::MouseParams& MouseParams() override { return mouse_; }
  platform::Input& Input() override { return input_; }
  win::HINSTANCE ProgramModule() override { return 0x140000000; }
  void MouseEvent(win::UINT message, win::DWORD mouseData) override {
    input_.SendMouseEvent(message, mouseData);
  }
  long OpenHandles() override { return registry_.OpenKeyCount(); }
  bool IsWine() const override { return false; }
  bool IsSim() const override { return true; }

 private:
  sim::SimRegistry registry_;
  sim::SimMouseParams mouse_;
  sim::SimInput input_;
};

}  // namespace

std::unique_ptr<Backend> MakeBackend() { return std::make_unique<SimBackend>(); }

}  // namespace conformance
