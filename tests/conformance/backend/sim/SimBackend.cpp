#include "conformance/Backend.h"
#include "platform/sim/SimMouseParams.h"
#include "platform/sim/SimRegistry.h"

namespace conformance {
namespace {

class SimBackend final : public Backend {
 public:
  platform::Registry& Registry() override { return registry_; }
  platform::MouseParams& MouseParams() override { return mouse_; }
  long OpenHandles() override { return registry_.OpenKeyCount(); }
  bool IsWine() const override { return false; }
  bool IsSim() const override { return true; }

 private:
  sim::SimRegistry registry_;
  sim::SimMouseParams mouse_;
};

}  // namespace

std::unique_ptr<Backend> MakeBackend() { return std::make_unique<SimBackend>(); }

}  // namespace conformance
