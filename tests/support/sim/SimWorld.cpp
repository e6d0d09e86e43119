#include "support/sim/SimWorld.h"

#include <stdexcept>

#include "remap/clsMouseEvents.h"
#include "remap/modHooking.h"
#include "shell/frmMain.h"

namespace testing_support {

SimWorld::SimWorld() {
  // The program's resources are the files of the source tree.
  if (!resources.AddFile(kMainLayoutResource, KV_SOURCE_DIR "/src/ui/frmMain.layout")) {
    throw std::runtime_error("cannot read src/ui/frmMain.layout");
  }
}

SimWorld::~SimWorld() {
  // The program's process ends with its world: the system drops its hook, and
  // the next world's program starts from fresh module state.
  modHooking::objMouseEvents.reset();
  modHooking::hMouseHook = 0;
  modHooking::HookInstalled = false;
  modHooking::Buttons = {};
  modHooking::MouseHookData = {};
}

}  // namespace testing_support
